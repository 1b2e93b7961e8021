// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Where a child picks his or her name before practising. Its second face, the About
// panel, is shown when AboutRequest is 1.

#include "core/Form.h"
#include "core/logic/Player.h"
#include "core/logic/Program.h"

class Artwork;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

class GetPlayer : public Form {
    Q_OBJECT
public:
    // The player list is the one writer of the roster; the child's choice goes to `player`.
    GetPlayer(const Services& services, Program& program, PlayerRoster& roster, Player& player, QWidget* parent);

    // Shows the About panel (true) instead of the list, from the next activation on.
    void SetAbout(bool about) { about_ = about; }

    // The actions of the window, also run by its buttons.
    void ChoosePlayer();
    void Add();
    void Edit();
    void Remove();

protected:
    void FormLoad() override;
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FillList();
    void ShowPanel(bool about);
    // The row of the selected entry (1-based), or 0 when nothing is selected.
    int SelectedRow() const;
    void SetPlayerEntriesVisible(bool visible);
    // The name dialog's answer, or nothing when it was cancelled; then the grade dialog's.
    QString AskName();
    QString AskGrade();

    Program& program_;
    PlayerRoster& roster_;
    Player& player_;
    bool about_ = false;
    // The name last entered in the name dialog: the list is not asked for again meanwhile.
    QString enteredName_;

    PictureBox* Picture1;
    QListWidget* List1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    Artwork* Image2;
    QTimer* Timer2;
    bool busy_ = false;
    bool toldUnreadable_ = false;
};
