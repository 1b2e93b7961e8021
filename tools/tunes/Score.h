// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The MIDI file of one tune as it is being written: instruments, tempo, the melody's notes
// and the accompaniment, bar by bar.

#include "music/logic/MidiFileWriter.h"
#include "tunes/Arranger.h"

#include <map>
#include <vector>

constexpr int Tpq = 480; // ticks a quarter beat
constexpr int DrumChannel = 9;

struct Chord {
    int offset;
    int length;
    int root; // pitch class
    std::vector<int> intervals;
};

using ChordBar = std::vector<Chord>;

// Where a part sits between the loudspeakers.
int PanOf(Part part);

class Score {
public:
    explicit Score(const Tune& tune);

    void Tempo(int tick, double bpm);
    void Instrument(int channel, int tick, int program, int pan);
    void Note(int channel, int tick, int length, int key, int velocity);
    // One bar of an accompaniment layer.
    void LayerBar(int channel, const Layer& layer, int barTick, const ChordBar& chords);
    // The closing bar: every layer holds the final chord, drums end with a cymbal.
    void EndingBar(const std::vector<Layer>& layers, int barTick, const Chord& chord);
    // Melody voices take channels 0 to 3, layers 4 to 8, drums 9.
    static int LayerChannel(const std::vector<Layer>& layers, std::size_t j);
    // Playing time up to the tick, through every tempo change.
    double Seconds(int endTick) const;
    QByteArray Bytes() const { return writer_.Bytes(); }

private:
    int TrackOf(int channel);

    const Tune& tune_;
    int barTicks_;
    MidiFileWriter writer_{Tpq};
    int conductor_ = 0;
    std::map<int, int> tracks_;
    std::map<int, double> tempos_;
};
