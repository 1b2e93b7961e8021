// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The MIDI tunes of the current (program) folder.

#include "core/logic/Platform.h"

#include <QStringList>

// "*.mid" files of the current folder in the order the folder lists them (by name).
QStringList MidiFiles();
// One of them drawn uniformly at random, or "" when there are none.
QString RandomMidiFile(Platform& platform);
// A position from 0 to count - 1 drawn uniformly at random (0 when count is 0).
int RandomIndex(Platform& platform, int count);
