// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Where the drill window puts the problem, in twips, for the three problem formats:
// 1 "4 + 3 = __", 2 "__ = 4 + 3", 3 the vertical layout with a rule under the numbers.

#include <QRect>
#include <QString>

constexpr int DrillWidth = 5055;
constexpr int DrillHeight = 3390;

struct ProblemLayout {
    QString sign;               // Label1
    QRect label1, label2, label3, label4, text1, text2, text3, backdrop;
    bool showLine1 = false;     // the rule under the second number (format 3)
    bool showLabel4 = true;     // "="
    bool useText2 = false;      // answer box: Text2 in format 3, Text1 otherwise
    bool rightAligned = false;  // numbers right-aligned (format 3) or centred
};

// The sign of an operation in the given format: "+", "-", "x", "/", and the division
// sign in the vertical format.
QString OperationSign(int practiceOp, int problemFormat);

// The layout of a format (1, 2 or 3). The number labels are as wide as their design, or
// wider when their text needs it (width1, width2 in twips, a blank on either side included).
// In a row, a wider number moves the signs and boxes beyond it along and the row is centred
// again: in "4 + 3 = __" the first number grows leftwards, the second rightwards; in
// "__ = 4 + 3" both grow rightwards. Right-aligned (vertical) numbers keep their right edge.
ProblemLayout LayOutProblem(int problemFormat, int practiceOp, int width1 = 0, int width2 = 0);

// The big drill's zoom on a screen of width x height pixels, in the pixels of the drill's
// design, where a digit of the problem stands digitHeight high: the drill about two thirds
// of the screen's height, taller when its digits would stand less than a twentieth of the
// screen high (with a little to spare for the drawing of the type), never past the screen
// (a margin left round it), never smaller than drawn.
double BigDrillZoom(int screenWidth, int screenHeight, double digitHeight);

// The backdrop's colour: each channel darkened by 32, by subtracting &H202020 as a number.
double BackdropColour(double backColour);
