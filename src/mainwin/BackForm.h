// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The full-screen background window that carries the menu and stays behind every
// other window of the program. Closing it ends the program.

#include "core/Form.h"
#include "core/logic/StateParts.h"

class Artwork;
class QAction;
class QMenu;
class QMenuBar;
class QTimer;
class ServerSurface;

class BackForm : public Form {
    Q_OBJECT
public:
    BackForm(const Services& services, const ProgramSettings& program);

    // The player window hides these while no player is chosen.
    void SetPlayerEntriesVisible(bool visible);
    // Puts the window behind every other window of the program.
    void SendToBack();

    QMenuBar* MenuBar() const { return menuBar_; }

protected:
    void FormLoad() override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a menu command, then steps back behind the windows it opened.
    void RunCommand(void (WindowOpener::*command)());
    void SendComments();
    void ShowOtherWindows();
    void PlaceArtwork();
    // The menu's texts and the picture's tip, in the language spoken now.
    void SetTexts();

    const ProgramSettings& program_;
    QMenuBar* menuBar_;
    QMenu* fileMenu_;
    QMenu* moreMenu_;
    QAction* Exit;
    QAction* Configure;
    QAction* Scores;
    QAction* ProgressEntry;
    QAction* MusicBreak;
    QAction* Help;
    QAction* About;
    QAction* SendCommentsEntry;
    QAction* Updates;
    // Below the menu: the colour and the picture, painted by the X server.
    ServerSurface* backdrop_;
    Artwork* Image1;
    QTimer* Timer1;
    int GotFocusFlag = 0;
    bool backPending_ = false;
};
