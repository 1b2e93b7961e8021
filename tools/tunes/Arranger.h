// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Turns a tune written as text (melody notes and chord names, bar by bar) into a Standard
// MIDI File: melody voices over accompaniment layers, verse after verse.
//
// Melody notes: pitch, octave and length, e.g. "C4q" (middle C, a quarter), "F#4e", "Bb3h.",
// "rq" (a rest); lengths w h q e s (whole to sixteenth), "." adds half. Bars are separated
// by "|" and must be full. Chords: one or more names a bar ("C", "Am", "G7", "F#7", "Bm"),
// each taking an equal part of the bar.

#include <QByteArray>
#include <QString>
#include <vector>

enum class Part {
    BassHeld, // the chord's root, held
    BassOom, // root and fifth in turn on the strong beats
    BassBeats, // root and fifth in turn on every beat, short
    ChordHeld, // the chord, held
    ChordAfterBeats, // the chord on the weak beats
    ChordArpeggio, // the chord broken into eighths
    Drums, // a light march beat
};

struct Voice {
    int program; // General MIDI instrument, 0 to 127
    int octave = 0; // shift of the written melody
    int velocity = 90;
    int delayBars = 0; // later entries of a round
    double legato = 0.92; // part of each note that sounds
};

struct Layer {
    Part part;
    int program = 0;
    int velocity = 60;
};

struct Verse {
    int section = 0;
    std::vector<Voice> voices; // at most 4
    std::vector<Layer> layers; // at most 5
    double tempo = 0; // 0 keeps the tune's tempo
    int repeats = 1; // times each voice sings the section
};

struct Section {
    const char* melody;
    const char* chords;
};

struct Tune {
    const char* file; // name without ".mid"
    const char* title;
    const char* about; // a few sentences for a child
    int beatsPerBar;
    double tempo; // quarter beats a minute
    std::vector<Section> sections;
    int introBars; // the first verse's accompaniment alone, on its first chord
    std::vector<Verse> verses;
    const char* endChord = nullptr; // held at the end; nullptr: the last chord written
    bool slowDownAtEnd = true;
    int level = 100; // channel volume (controller 7) of every part
};

struct Arrangement {
    QByteArray midi;
    double seconds = 0;
};

// Throws std::runtime_error naming the tune and bar when a bar is not full or a note or
// chord cannot be read.
Arrangement ArrangeTune(const Tune& tune);
