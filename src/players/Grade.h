// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks "What grade are you in?" and leaves the list position in NewGrade
// ("0" for N/A, "1" to "9"; "" when cancelled).

#include "core/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

class Grade : public Form {
    Q_OBJECT
public:
    explicit Grade(AppContext& app);

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The selected position as text, or nothing (the focus then goes to the list).
    bool TakeSelection();

    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
};
