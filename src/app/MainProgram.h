// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's start and its endless main loop.

#include "app/ProgramParts.h"
#include "core/logic/Platform.h"

class WindowFactory;

// Player selection, then definition and drill again and again; operation 9 from the
// definition goes back to the player selection. Returns only when the program has ended.
void RunMainLoop(WindowFactory& windows, Platform& platform);

// The whole start: settings, players, the background window, then the main loop.
void Main(ProgramParts& parts, Platform& platform, const QString& commandLine);
