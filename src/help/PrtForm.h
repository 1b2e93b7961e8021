// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks what to print: the topic on screen in the viewer, or the whole manual.

#include "core/Form.h"

class QLabel;
class QPushButton;

class PrtForm : public Form {
    Q_OBJECT
public:
    explicit PrtForm(AppContext& app);

protected:
    void FormLoad() override;

private:
    void PrintTopic();
    // Prints the text on the printer, tells the user when that failed, and closes.
    void Print(const QString& text);

    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};
