// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Asks "What is your name?" and leaves the answer in EnteredName ("" when cancelled).

#include "core/Form.h"
#include "core/logic/StateParts.h"

class QLabel;
class QLineEdit;
class QPushButton;

class NewGuy : public Form {
    Q_OBJECT
public:
    NewGuy(const Services& services, const PlayerRoster& roster, QWidget* parent);

signals:
    // The name typed, or nothing when the dialog was cancelled; sent as it closes.
    void Answered(const QString& name);

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Accept();
    void Cancel();
    void FormUnload() override;

    const PlayerRoster& roster_;
    QString name_;

    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    bool answered_ = false;
};
