// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks for the text to search the manual for and leaves it in HelpSearchText
// ("" when cancelled).

#include "core/Form.h"
#include "core/logic/StateParts.h"
#include "help/logic/Documentation.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Get_Str : public Form {
    Q_OBJECT
public:
    // The text typed goes to the manual's search (empty when cancelled).
    Get_Str(const Services& services, const ProgramSettings& program, HelpState& help, QWidget* parent);

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ProgramSettings& program_;
    HelpState& help_;
    void Answer(const QString& text);

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
};
