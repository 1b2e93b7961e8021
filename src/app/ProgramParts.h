// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The parts of the running program's state, each with its owner, made once at start: the
// program's settings, the player list, the chosen player (with her settings and her last
// definition) and the MIDI device as start-up found it. The windows are handed what they read.

#include "core/logic/Player.h"
#include "core/logic/Program.h"
#include "core/logic/StateParts.h"
#include "music/logic/MidiVolume.h"

struct ProgramParts {
    Program program;
    PlayerRoster roster;
    Player player{program};
    MidiState midi;
};
