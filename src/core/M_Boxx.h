// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's own message box: a light grey captionless window holding the message
// and either OK or Yes and No. Windows reach it through MessageBoxes.

#include "core/Form.h"
#include "core/logic/StateParts.h"

class QLabel;
class QPushButton;

class M_Boxx : public Form {
    Q_OBJECT
public:
    M_Boxx(const Services& services, const ProgramSettings& program, QWidget* parent);
    // The text, and whether it asks Yes or No (else it has OK alone).
    void SetMessage(const QString& text, bool question = false);
    // 3 for Yes, 2 for No, 0 when closed without either.
    int Answer() const { return answer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Arrange();
    void Choose(int result);

    const ProgramSettings& program_;
    bool question_ = false;
    int answer_ = 0;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};
