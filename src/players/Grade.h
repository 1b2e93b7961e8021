// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks "What grade are you in?" and leaves the list position in NewGrade
// ("0" for N/A, "1" to "9"; "" when cancelled).

#include "core/Form.h"
#include "core/logic/StateParts.h"

class QLabel;
class QListWidget;
class QPushButton;

class Grade : public Form {
    Q_OBJECT
public:
    Grade(const Services& services, const ProgramSettings& program, QWidget* parent);

signals:
    // The grade as the list's position in decimal ("0" for "N/A"), or nothing when the
    // dialog was cancelled; sent as it closes.
    void Answered(const QString& grade);

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
    void FormUnload() override;

private:
    // The selected position as text, or nothing (the focus then goes to the list).
    bool TakeSelection();

    const ProgramSettings& program_;
    QString grade_;
    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
};
