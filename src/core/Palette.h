// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Colours and captions that several windows share. Colours are stored values: red in the
// low byte, blue in the high one.

#include "core/logic/PracticeRecord.h" // OperationCaptions

#include <QStringList>

constexpr double White = 0xFFFFFF;
constexpr double Black = 0x000000;
constexpr double Red = 0x0000FF;
constexpr double Blue = 0xFF0000;
constexpr double Green = 0x00FF00;
constexpr double LightYellow = 0x80FFFF; // red 255, green 255, blue 128
constexpr double ButtonGrey = 0xC0C0C0;   // also every list on a 256-colour display

