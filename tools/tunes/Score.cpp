// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "tunes/Score.h"

#include <algorithm>

namespace {
// The pitch class placed between low and low + 11.
int Place(int pitchClass, int low)
{
    return low + ((pitchClass - low) % 12 + 12) % 12;
}

int BassRoot(const Chord& c) { return Place(c.root, 36); }
int BassFifth(const Chord& c)
{
    const int root = BassRoot(c);
    return root - 5 >= 33 ? root - 5 : root + 7;
}

std::vector<int> ChordKeys(const Chord& c)
{
    std::vector<int> keys;
    for (int interval : c.intervals)
        keys.push_back(Place(c.root + interval, 55));
    std::sort(keys.begin(), keys.end());
    return keys;
}

const Chord& ChordAt(const ChordBar& bar, int offset)
{
    for (const Chord& c : bar)
        if (offset >= c.offset && offset < c.offset + c.length)
            return c;
    return bar.back();
}

bool IsBass(Part part)
{
    return part == Part::BassHeld || part == Part::BassOom || part == Part::BassBeats;
}
} // namespace

int PanOf(Part part)
{
    switch (part) {
    case Part::ChordHeld: return 44;
    case Part::ChordAfterBeats: return 52;
    case Part::ChordArpeggio: return 84;
    default: return 64;
    }
}

Score::Score(const Tune& tune)
    : tune_(tune)
    , barTicks_(tune.beatsPerBar * Tpq)
{
    conductor_ = writer_.AddTrack();
    writer_.TrackName(conductor_, QByteArray(tune.title));
    writer_.TimeSignature(conductor_, 0, tune.beatsPerBar, 4);
}

void Score::Tempo(int tick, double bpm)
{
    writer_.Tempo(conductor_, tick, bpm);
    tempos_[tick] = bpm;
}

void Score::Instrument(int channel, int tick, int program, int pan)
{
    const int track = TrackOf(channel);
    if (channel != DrumChannel)
        writer_.Program(track, tick, channel, program);
    writer_.Controller(track, tick, channel, 7, tune_.level);
    writer_.Controller(track, tick, channel, 10, pan);
    writer_.Controller(track, tick, channel, 91, 64);
}

void Score::Note(int channel, int tick, int length, int key, int velocity)
{
    writer_.Note(TrackOf(channel), tick, std::max(length, 30), channel, key, std::clamp(velocity, 1, 127));
}

void Score::LayerBar(int channel, const Layer& layer, int barTick, const ChordBar& chords)
{
    const int v = layer.velocity;
    if (layer.part == Part::BassHeld || layer.part == Part::ChordHeld) {
        for (const Chord& c : chords) {
            const int length = c.length * 95 / 100;
            if (layer.part == Part::BassHeld)
                Note(channel, barTick + c.offset, length, BassRoot(c), v);
            else
                for (int key : ChordKeys(c))
                    Note(channel, barTick + c.offset, length, key, v);
        }
        return;
    }
    for (int beat = 0; beat < tune_.beatsPerBar; ++beat) {
        const int offset = beat * Tpq;
        const Chord& c = ChordAt(chords, offset);
        const bool chordStarts = offset == c.offset;
        const bool strong = tune_.beatsPerBar == 3 ? beat == 0 : beat % 2 == 0;
        const int accent = beat == 0 ? 4 : 0;
        const int tick = barTick + offset;
        switch (layer.part) {
        case Part::BassOom:
            if (strong)
                Note(channel, tick, Tpq * 9 / 10, chordStarts ? BassRoot(c) : BassFifth(c), v + accent);
            break;
        case Part::BassBeats:
            Note(channel, tick, Tpq * 55 / 100, ((offset - c.offset) / Tpq) % 2 == 0 ? BassRoot(c) : BassFifth(c), v + accent);
            break;
        case Part::ChordAfterBeats:
            if (!strong)
                for (int key : ChordKeys(c))
                    Note(channel, tick, Tpq * 6 / 10, key, v);
            break;
        case Part::ChordArpeggio:
            for (int half = 0; half < 2; ++half) {
                const int root = Place(c.root, 48);
                const int pattern[4] = {root, root + c.intervals[2], root + c.intervals[1] + 12, root + c.intervals[2]};
                const int k = (offset + half * Tpq / 2 - c.offset) / (Tpq / 2);
                Note(channel, tick + half * Tpq / 2, Tpq * 9 / 10, pattern[k % 4], v + (half == 0 ? accent : -6));
            }
            break;
        case Part::BassHeld:
        case Part::ChordHeld:
            break;
        case Part::Drums:
            if (strong)
                Note(DrumChannel, tick, Tpq / 4, 36, v + accent);
            else if (tune_.beatsPerBar != 3)
                Note(DrumChannel, tick, Tpq / 4, 38, v);
            Note(DrumChannel, tick, Tpq / 4, 42, v - 20);
            Note(DrumChannel, tick + Tpq / 2, Tpq / 4, 42, v - 28);
            break;
        }
    }
}

void Score::EndingBar(const std::vector<Layer>& layers, int barTick, const Chord& chord)
{
    Chord whole = chord;
    whole.offset = 0;
    whole.length = barTicks_;
    const ChordBar bar{whole};
    for (std::size_t j = 0; j < layers.size(); ++j) {
        const Layer& layer = layers[j];
        if (layer.part == Part::Drums) {
            Note(DrumChannel, barTick, Tpq, 36, layer.velocity + 6);
            Note(DrumChannel, barTick, Tpq * 2, 49, layer.velocity + 6);
            continue;
        }
        const Part held = IsBass(layer.part) ? Part::BassHeld : Part::ChordHeld;
        LayerBar(LayerChannel(layers, j), Layer{held, layer.program, layer.velocity}, barTick, bar);
    }
}

int Score::LayerChannel(const std::vector<Layer>& layers, std::size_t j)
{
    return layers[j].part == Part::Drums ? DrumChannel : 4 + static_cast<int>(j);
}

double Score::Seconds(int endTick) const
{
    double seconds = 0;
    auto it = tempos_.begin();
    while (it != tempos_.end()) {
        auto next = std::next(it);
        const int until = next == tempos_.end() ? endTick : next->first;
        seconds += (until - it->first) / double(Tpq) * 60.0 / it->second;
        it = next;
    }
    return seconds;
}

int Score::TrackOf(int channel)
{
    auto found = tracks_.find(channel);
    if (found != tracks_.end())
        return found->second;
    const int track = writer_.AddTrack();
    writer_.TrackName(track, channel == DrumChannel ? QByteArray("Drums") : "Channel " + QByteArray::number(channel + 1));
    tracks_[channel] = track;
    return track;
}
