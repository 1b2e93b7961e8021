// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The sixteen colour swatches of the configuration window: a four-by-four grid of
// 255-twip squares inside the "Colors" frame, each with its own colour.

#include <array>

constexpr int SwatchCount = 16;
constexpr int SwatchSize = 255; // twips
constexpr int SwatchColumns = 4;
// The swatch that is set back to white whenever the window opens.
constexpr int WhiteSwatch = 8;

struct Swatch {
    int left = 0; // twips inside the frame
    int top = 0;
    double colour = 0; // RGB, red in the low byte
};

// Swatch i (0 to 15), placed and coloured.
Swatch SwatchAt(int index);
// The swatch in a cell of the grid, cells counted row by row from the top left (0 to 15).
int SwatchInCell(int cell);
