// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/DrillLayout.h"

#include "core/logic/Geometry.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr int Label2Width = 495, Label3Width = 435, NumberHeight = 480;
constexpr int SignWidth = 255;
constexpr int AnswerWidth = 600, AnswerHeight = 435;
constexpr int FrameWidth = 720, FrameHeight = 555;

QRect FromEdges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
} // namespace

QString OperationSign(int practiceOp, int problemFormat)
{
    switch (practiceOp) {
    case 1:
        return QStringLiteral("-");
    case 2:
        return QStringLiteral("x");
    case 3:
        // German, French and Spanish schools teach the colon: the translations say so.
        return problemFormat == 3 ? QCoreApplication::translate("DrillLayout", "÷")
                                  : QCoreApplication::translate("DrillLayout", "/");
    default:
        return QStringLiteral("+");
    }
}

ProblemLayout LayOutProblem(int problemFormat, int practiceOp, int width1, int width2)
{
    ProblemLayout l;
    l.sign = OperationSign(practiceOp, problemFormat);
    if (problemFormat == 3) {
        const int x0 = 2720;
        const int w2 = std::max(Label2Width, width1);
        const int w3 = std::max(Label3Width, width2);
        l.label2 = QRect(x0 - w2, 700, w2, NumberHeight);
        l.label3 = QRect(x0 - w3, 1120, w3, NumberHeight);
        l.label1 = QRect(x0 - 760, 1120, SignWidth, NumberHeight);
        l.text2 = QRect(x0 - AnswerWidth, 1780, AnswerWidth, AnswerHeight);
        l.text3 = QRect(l.text2.left() - 50, 1720, FrameWidth, FrameHeight);
        l.text1 = QRect(0, 0, AnswerWidth, AnswerHeight);
        l.label4 = QRect(0, 0, SignWidth, NumberHeight);
        l.showLine1 = true;
        l.showLabel4 = false;
        l.useText2 = true;
        l.rightAligned = true;
        l.backdrop = FromEdges(l.label1.left() - 200, l.label2.top() - 200, l.text3.left() + FrameWidth + 400,
                               l.text3.top() + FrameHeight + 200);
        return l;
    }
    // A wider number moves what follows it along and the row stays centred, so the blanks
    // between numbers and signs stay as drawn.
    const int top = 1080;
    const int w2 = std::max(Label2Width, width1), w3 = std::max(Label3Width, width2);
    const int extra2 = w2 - Label2Width, extra3 = w3 - Label3Width;
    int x0 = 2400 - (extra2 + extra3) / 2;
    int after2 = extra2; // how far the sign and the second number move right
    if (problemFormat == 1) {
        // Half the window's width less half the row's width; the first number grows leftwards.
        x0 = DrillWidth / 2 - (AnswerWidth + 2035) / 2 + (extra2 - extra3) / 2;
        after2 = 0;
        l.label4 = QRect(x0 + 1200 + extra3, top, SignWidth, NumberHeight);
        l.text1 = QRect(x0 + 1635 + extra3, top, AnswerWidth, AnswerHeight);
        l.text3 = QRect(x0 + 1560 + extra3, 1020, FrameWidth, FrameHeight);
    } else {
        l.label4 = QRect(x0 - 240, top, SignWidth, NumberHeight);
        l.text1 = QRect(x0 - 930, top, AnswerWidth, AnswerHeight);
        l.text3 = QRect(x0 - 1005, 1020, FrameWidth, FrameHeight);
    }
    l.label2 = QRect(problemFormat == 1 ? x0 - extra2 : x0, top, w2, NumberHeight);
    l.label1 = QRect(x0 + 480 + after2, top, SignWidth, NumberHeight);
    l.label3 = QRect(x0 + 720 + after2, top, w3, NumberHeight);
    l.text2 = QRect(0, 0, AnswerWidth, AnswerHeight);
    if (problemFormat == 1) {
        l.backdrop = FromEdges(l.label2.left() - 200, top - 200, l.text1.left() + AnswerWidth + 400, top + NumberHeight + 200);
    } else {
        l.backdrop = FromEdges(l.text3.left() - 200, l.text3.top() - 200, l.label3.left() + l.label3.width() + 400,
                               l.text3.top() + FrameHeight + 200);
    }
    return l;
}

double BigDrillZoom(int screenWidth, int screenHeight, double digitHeight)
{
    const double width = double(DrillWidth) / TwipsPerPixel, height = double(DrillHeight) / TwipsPerPixel;
    const double wanted = std::max(screenHeight * 2.0 / 3.0 / height,
                                   digitHeight > 0 ? screenHeight * 0.052 / digitHeight : 0.0);
    const double fits = std::min(screenHeight * 0.92 / height, screenWidth * 0.96 / width);
    return std::max(1.0, std::min(wanted, fits));
}

double BackdropColour(double backColour)
{
    return backColour - 2105376;
}
