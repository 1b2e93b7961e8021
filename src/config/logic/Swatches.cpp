// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "config/logic/Swatches.h"

namespace {

constexpr std::array<int, 4> Columns{240, 600, 960, 1320};
constexpr std::array<int, 4> Rows{360, 720, 1080, 1440};

// Swatch indexes row by row from the top left.
constexpr std::array<int, SwatchCount> Grid{8, 12, 14, 13, 0, 4, 5, 3, 9, 6, 10, 7, 1, 15, 2, 11};

struct Rgb {
    int red, green, blue;
};

// Colours by swatch index.
constexpr std::array<Rgb, SwatchCount> Colours{{
    {224, 224, 224}, // 0
    {176, 187, 176}, // 1
    {186, 255, 229}, // 2
    {182, 218, 255}, // 3
    {255, 255, 195}, // 4
    {255, 224, 224}, // 5
    {255, 255, 128}, // 6
    {157, 182, 255}, // 7
    {255, 255, 255}, // 8
    {192, 192, 192}, // 9
    {255, 128, 128}, // 10
    {192, 192, 255}, // 11
    {255, 255, 224}, // 12
    {208, 240, 255}, // 13
    {255, 242, 242}, // 14
    {224, 255, 208}, // 15
}};

} // namespace

Swatch SwatchAt(int index)
{
    Swatch s;
    if (index < 0 || index >= SwatchCount)
        return s;
    for (int cell = 0; cell < SwatchCount; ++cell) {
        if (Grid[cell] == index) {
            s.left = Columns[cell % SwatchColumns];
            s.top = Rows[cell / SwatchColumns];
        }
    }
    const Rgb c = Colours[index];
    s.colour = c.red + c.green * 256.0 + c.blue * 65536.0;
    return s;
}

int SwatchInCell(int cell)
{
    return cell >= 0 && cell < SwatchCount ? Grid[cell] : -1;
}
