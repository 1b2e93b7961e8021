// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Builds a Standard MIDI File (format 1): one track per part, events placed by absolute
// tick in any order. Used by the tune generator and by tests that need short pieces.

#include <QByteArray>
#include <vector>

class MidiFileWriter {
public:
    explicit MidiFileWriter(int ticksPerQuarter = 480);

    int TicksPerQuarter() const { return ticksPerQuarter_; }
    // A new empty track; returns its number (0 is the first).
    int AddTrack();

    void TrackName(int track, const QByteArray& name);
    void Tempo(int track, int tick, double beatsPerMinute);
    void TimeSignature(int track, int tick, int beats, int beatUnit);
    void Program(int track, int tick, int channel, int program);
    void Controller(int track, int tick, int channel, int controller, int value);
    // A note from tick to tick + length.
    void Note(int track, int tick, int length, int channel, int key, int velocity);

    // The whole file. Each track ends with its end-of-track mark at its last event.
    QByteArray Bytes() const;

    // A number as the file's variable-length quantity (7 bits a byte, high bit = more follows).
    static QByteArray VariableLength(quint32 value);

private:
    struct Event {
        int tick;
        int rank; // at one tick: note-offs first, then settings, then note-ons
        int order; // insertion order keeps equal events stable
        QByteArray bytes;
    };
    void Add(int track, int tick, int rank, const QByteArray& bytes);

    int ticksPerQuarter_;
    int added_ = 0;
    std::vector<std::vector<Event>> tracks_;
};
