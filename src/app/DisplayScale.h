// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The one scale of every window, font and picture, chosen once at start from the screen.

#include <QByteArray>

// The scale for a screen whose available area is width x height device-independent pixels:
// the drill about a third of the height and at least a quarter, never smaller than drawn,
// unless the largest window (the help viewer) would then leave the screen: it always fits
// with a margin.
double ChooseDisplayScale(int width, int height);

// The scale a parent asks for in NUMBRELLA_SCALE: a number from 0.5 to 4, otherwise 0 (none).
double ScaleOverride(const QByteArray& text);

// Sets the scale Qt applies to everything from the application made next: a parent's
// NUMBRELLA_SCALE, else the choice for the primary screen, on top of any QT_SCALE_FACTOR.
// Returns the environment's QT_SCALE_FACTOR as it was, for RestoreScaleEnvironment.
QByteArray ApplyDisplayScale(int argc, char** argv);
// Gives programs started later (browser, uninstaller) the environment the program found.
void RestoreScaleEnvironment(const QByteArray& found);
