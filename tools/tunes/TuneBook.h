// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The tunes shipped with the program: public-domain melodies in our own arrangements.

#include "tunes/Arranger.h"

// General MIDI instruments used here.
enum Instrument {
    Piano = 0, Harpsichord = 6, MusicBox = 10, Glockenspiel = 9, Vibraphone = 11, Marimba = 12,
    Xylophone = 13, Accordion = 21, NylonGuitar = 24, AcousticBass = 32, Cello = 42,
    PizzicatoStrings = 45, Harp = 46, Timpani = 47, Strings = 48, SlowStrings = 49, Trumpet = 56,
    Tuba = 58, FrenchHorn = 60, Brass = 61, Oboe = 68, Bassoon = 70, Clarinet = 71, Piccolo = 72,
    Flute = 73, PanFlute = 75, Ocarina = 79, SteelDrums = 114,
};

// Traditional songs.
std::vector<Tune> FolkTunes();
// Themes by composers who died long ago.
std::vector<Tune> ClassicalTunes();
// All of them.
std::vector<Tune> TuneBook();
