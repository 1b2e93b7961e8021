// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Geometry.h"

QPoint CentredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    // Whole-number division truncating toward zero, as C++ does.
    return QPoint((screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2 - 220);
}

namespace {

// Top edge left to right, right edge downwards, bottom edge right to left, left edge upwards.
void AddRectangle(std::vector<Segment>& out, int x, int y, int w, int h, unsigned topLeft, unsigned bottomRight)
{
    out.push_back({x, y, x + w, y, topLeft});
    out.push_back({x + w, y, x + w, y + h, bottomRight});
    out.push_back({x + w, y + h, x, y + h, bottomRight});
    out.push_back({x, y + h, x, y, topLeft});
}

} // namespace

std::vector<Segment> BevelSegments(int scaleLeft, int scaleTop, int scaleWidth, int scaleHeight)
{
    std::vector<Segment> out;
    AddRectangle(out, scaleLeft, scaleTop, scaleWidth - 15, scaleHeight - 15, BevelLight, BevelDark);
    AddRectangle(out, scaleLeft + 15, scaleTop + 15, scaleWidth - 45, scaleHeight - 45, BevelLight, BevelDark);
    return out;
}

std::vector<Segment> BorderSegments(int left, int top, int width, int height, int rings, int style,
                                    unsigned backColour, bool onWindow)
{
    if (!onWindow && style != 1)
        style = 2;
    unsigned topLeft = BorderWhite;
    unsigned bottomRight = BevelDark;
    if (style == 1) {
        topLeft = BevelDark;
        bottomRight = BorderWhite;
    } else if (style == 3) {
        topLeft = bottomRight = backColour;
    }
    std::vector<Segment> out;
    for (int i = 1; i <= rings; ++i) {
        AddRectangle(out, left - 15 * i, top - 15 * i, width + 30 * i - 10, height + 30 * i - 10,
                     topLeft, bottomRight);
    }
    return out;
}
