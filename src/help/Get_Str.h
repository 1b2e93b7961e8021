// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks for the text to search the manual for and leaves it in HelpSearchText
// ("" when cancelled).

#include "core/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Get_Str : public Form {
    Q_OBJECT
public:
    explicit Get_Str(AppContext& app);

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Answer(const QString& text);

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
};
