// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/DisplayScale.h"

#include "core/logic/Geometry.h"
#include "practice/logic/DrillLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double HelpWidthPx = 10800.0 / TwipsPerPixel;   // the largest window, the help viewer
constexpr double HelpHeightPx = 7740.0 / TwipsPerPixel;
constexpr double DrillHeightPx = double(DrillHeight) / TwipsPerPixel;
constexpr int ScreenMargin = 48;                           // left free round the help viewer
constexpr const char* QtScaleVariable = "QT_SCALE_FACTOR";
} // namespace

double ChooseDisplayScale(int width, int height)
{
    const double fit = std::min((width - ScreenMargin) / HelpWidthPx, (height - ScreenMargin) / HelpHeightPx);
    // A third of the height in quarter steps, which draw cleaner than any fraction.
    double scale = std::floor(std::min(height / 3.0 / DrillHeightPx, fit) * 4) / 4;
    scale = std::max(scale, std::min(height / 4.0 / DrillHeightPx, fit));
    return std::max({scale, std::min(1.0, fit), 0.25});
}

double ScaleOverride(const QByteArray& text)
{
    bool ok = false;
    const double scale = text.trimmed().toDouble(&ok);
    return ok && scale >= 0.5 && scale <= 4 ? scale : 0;
}

QByteArray ApplyDisplayScale(int argc, char** argv)
{
    const QByteArray found = qgetenv(QtScaleVariable);
    double scale = ScaleOverride(qgetenv("NUMBRELLA_SCALE"));
    if (scale == 0) {
        // The screen is known only to a running application, and Qt takes its scale only from
        // the environment as an application is made: ask a short-lived one, on a copy of the
        // arguments, since it takes out the ones Qt knows (-display, -platform). It costs the
        // first window 10 to 30 ms (bench/run.sh's start-up row, 2026-12-08).
        std::vector<char*> arguments(argv, argv + argc + 1);
        int count = argc;
        QGuiApplication probe(count, arguments.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        scale = screen ? ChooseDisplayScale(screen->availableGeometry().width(), screen->availableGeometry().height()) : 1;
    }
    bool ok = false;
    const double parents = found.toDouble(&ok);
    qputenv(QtScaleVariable, QByteArray::number((ok && parents > 0 ? parents : 1) * scale));
    return found;
}

void RestoreScaleEnvironment(const QByteArray& found)
{
    if (found.isNull())
        qunsetenv(QtScaleVariable);
    else
        qputenv(QtScaleVariable, found);
}
