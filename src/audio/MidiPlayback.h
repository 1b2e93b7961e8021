// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// One piece of music on a synthesizer: opened from the bytes of a Standard MIDI File,
// played, stopped where it is, resumed, and taken back to its start.

#include "audio/MidiSynth.h"

#include <QByteArray>

typedef struct _fluid_player_t fluid_player_t;

class MidiPlayback {
public:
    explicit MidiPlayback(MidiSynth& synth);
    ~MidiPlayback();
    MidiPlayback(const MidiPlayback&) = delete;
    MidiPlayback& operator=(const MidiPlayback&) = delete;

    // False, and nothing open, when the bytes are no MIDI file or no synthesizer exists.
    bool Open(const QByteArray& file);
    void Close();
    bool IsOpen() const { return player_ != nullptr; }

    // Returns at once; the piece plays on its own. A piece that has ended starts again.
    void Play();
    // Keeps the position, so the next Play resumes there.
    void Stop();
    // Back to the start; a piece that was playing goes on playing from there.
    void Rewind();
    bool IsPlaying() const;
    // MIDI ticks from the start of the piece.
    int Position() const;

private:
    bool Finished() const;
    bool Restart();
    void Release();

    MidiSynth& synth_;
    QByteArray file_;
    fluid_player_t* player_ = nullptr;
    bool started_ = false; // played since the player was made
    bool paused_ = false; // stopped by Stop, not by reaching the end
};
