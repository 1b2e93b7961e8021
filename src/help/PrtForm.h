// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks what to print: the topic on screen in the viewer, or the whole manual.

#include "core/Form.h"

class HelpWindows;

class QLabel;
class QPushButton;

class PrtForm : public Form {
    Q_OBJECT
public:
    PrtForm(const Services& services, HelpWindows& help, QWidget* parent);

protected:
    void FormLoad() override;

private:
    HelpWindows& help_;
    void PrintTopic();
    // Prints the text on the printer, tells the user when that failed, and closes.
    void Print(const QString& text);

    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};
