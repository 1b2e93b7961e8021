// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Layout arithmetic in twips (1/1440 inch; 15 twips are one pixel at 96 dots per inch).

#include <QPoint>
#include <QRect>
#include <vector>

constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(twips >= 0 ? (twips / TwipsPerPixel + 0.5) : (twips / TwipsPerPixel - 0.5)); }
inline int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }
inline QRect PixelsToTwips(const QRect& r)
{
    return {PixelsToTwips(r.x()), PixelsToTwips(r.y()), PixelsToTwips(r.width()), PixelsToTwips(r.height())};
}

// Where a window goes so it sits centred, 220 twips above the exact centre.
QPoint CentredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// A straight one-pixel line in twips with its colour (RGB with red in the low byte).
struct Segment {
    int x1, y1, x2, y2;
    unsigned colour;
    bool operator==(const Segment&) const = default;
};

constexpr unsigned BevelLight = 0xE0E0E0;
constexpr unsigned BevelDark = 0x808080;
constexpr unsigned BorderWhite = 0xFFFFFF;

// The double raised edge just inside a window's client area.
std::vector<Segment> BevelSegments(int scaleLeft, int scaleTop, int scaleWidth, int scaleHeight);

// Nested rectangles round a control (style 1 sunken, 2 raised, 3 erase in backColour).
// On a container that is not a window every style but 1 draws raised.
std::vector<Segment> BorderSegments(int left, int top, int width, int height, int rings, int style,
                                    unsigned backColour, bool onWindow);
