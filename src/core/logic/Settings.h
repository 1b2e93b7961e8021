// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The machine-wide settings file "nbr.INI": ten values, one per line.

#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"

class LineReader;

// Reads the settings, writing defaults when the file is missing, and makes AppPath the
// current folder (falling back to the current folder when the stored one is gone).
void LoadSettings(ProgramSettings& state, const Platform& platform);
// The ten values into their variables; one that cannot be read keeps its variable.
void ReadSettings(ProgramSettings& state, LineReader& in);
// Writes the ten lines; false when the file could not be written.
bool SaveSettings(const ProgramSettings& state);
void WriteDefaultSettings(ProgramSettings& state);
