// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The diagnostic trace: with "log" on the command line, chosen points of the program
// append one quoted line each to the log file. Without it nothing is written.

#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"

// A message that ends with a comma is written without it, and the caller's text loses it too.
void LogEvent(const ProgramSettings& state, const Platform& platform, QString& message);
void LogEvent(const ProgramSettings& state, const Platform& platform, QString&& message);
