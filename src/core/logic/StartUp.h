// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's start before any window shows.

#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"

#include <QStringList>

// The command line taken whole: the arguments after the program name, joined by blanks.
QString WholeCommandLine(const QStringList& arguments);
// A first character "u" (any case) asks for the uninstaller.
bool WantsUninstall(const QString& commandLine);
// "log" anywhere, any case, turns the activity log on.
bool WantsLog(const QString& commandLine);

// Start-up up to the reading of the settings: program folder, the "u" and "log" options,
// display colours, window colour, random seed, current folder, LoadSettings, with the
// log lines "a" and "b". False when the program was ended (the uninstaller started).
bool StartProgram(ProgramSettings& state, Platform& platform, const QString& commandLine);
