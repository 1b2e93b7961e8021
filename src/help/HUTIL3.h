// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The table of contents of the manual: one entry per topic; a topic opens in the viewer.

#include "core/Form.h"

class HelpWindows;

class QLabel;
class QListWidget;
class QPushButton;

class HUTIL3 : public Form {
    Q_OBJECT
public:
    HUTIL3(const Services& services, HelpWindows& help, QWidget* parent);

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    HelpWindows& help_;
    void DisplayTopic();
    // Closes the contents when the viewer was left with "Exit".
    void CloseOnHelpFlag();

    QLabel* Label1;
    PictureBox* Picture1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;
};
