// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's own message box: a light grey captionless window holding the message
// and either OK or Yes and No. Callers use ShowMessage and AskYesNo.

#include "core/Form.h"

class QLabel;
class QPushButton;

class M_Boxx : public Form {
    Q_OBJECT
public:
    explicit M_Boxx(AppContext& app);
    void SetMessage(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Arrange();
    void Choose(int result);

    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};

// Shows the message with an OK button and returns when the box is closed.
void ShowMessage(const QString& text);
// Asks with Yes and No: 1 for yes, 0 for no. Closing the box without choosing is "no",
// since a yes here may delete a child's data.
int AskYesNo(const QString& question);
// Tells the child, in words she understands, when her files were not written because her
// name is gone from the list (removed on another computer sharing the folder).
enum class PlayerSave;
void TellIfNotListed(PlayerSave result);
inline const QString NotListedMessage = QStringLiteral(
    "Your work could not be saved, because your name is no longer on the list of players. Please ask a grown-up for help.");
