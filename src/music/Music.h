// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The music break: the tunes of the program folder in a list, a random one playing as
// soon as the window opens, the player's buttons, what the piece is about, and the volume.

#include "core/Form.h"
#include "core/logic/StateParts.h"
#include "music/logic/MidiVolume.h"
#include "music/logic/TransportState.h"

#include <QStringList>

class MMControl;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

class Music : public Form {
    Q_OBJECT
public:
    // `midi` says whether start-up found a volume the program can set.
    Music(const Services& services, const MidiState& midi, QWidget* parent);

    // Stops whatever plays and starts piece n from its beginning.
    void PlayPiece(int n);
    // One look at the player by the end-of-piece watch; the timer calls it, and so may a test.
    void Timer2Tick();

    Int16 MusicCount() const { return MusicCount_; }
    bool IsPaused() const { return Paused; }

protected:
    void FormLoad() override;
    void FormActivate() override;
    void FormUnload() override;

private:
    const MidiState& midi_;
    void SetState(PlayerState state);
    void PlayClick();
    void PauseClick();
    void StopClick();
    void ShowVolumeBar();
    void SetVolumeBarVisible(bool visible);
    void VolumeChange(int position);

    QStringList MusicFiles;
    Int16 MusicCount_ = 0;
    bool Paused = false;

    QComboBox* Combo1;
    MMControl* MM;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QScrollBar* VScroll1;
    QPushButton* Command1;
    QTimer* Timer2;
};
