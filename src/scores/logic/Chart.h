// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The geometry of the score chart, in twips: one bar per practice of the set, blue for
// the right answers with the wrong attempts stacked above in red, a scale, the goal line
// and the marker under the most recent practice.

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

constexpr int ChartBaseline = 2800; // the "0" caption's top + 100
constexpr int ChartTop = ChartBaseline - 2000; // the top caption's line
constexpr int ChartBarWidth = 135;
constexpr int ChartBarPlaces = 30;

struct ChartBar {
    int left;
    int blueTop, blueHeight;
    bool red;                 // wrong attempts to show above the bar
    int redTop, redHeight;
};

struct ChartLayout {
    double scale = 0;         // twips per right answer
    int topValue = 0;         // caption 2000 twips above the baseline
    int middleValue = 0;      // caption 1000 twips above it
    double x0 = 0;
    int firstShown = 0;       // index in the set of the first record charted
    std::vector<ChartBar> bars;
    int goalY = 0, goalX1 = 0, goalX2 = 0; // X2 left end, X1 right end
    int markerLeft = 0, recentLeft = 0;    // "Most Recent" marker and caption
};

// Lays out the latest 30 records (all when fewer), centred in a window of the given width
// as if there were that many. The highest bar reaches at most five sixths of the chart, and
// no bar reaches past its top; a record with a right answer always shows at least a pixel.
ChartLayout LayOutChart(const QStringList& records, double peak, int windowWidth, int advanceNum);

// Where the details box of a bar goes: beside the bar, so the bar under the pointer stays
// uncovered, and above the baseline, clear of the message line and the captions below it.
// The first of right or left of the bar, bottom on the baseline or top at the window's top,
// that stays inside the window's width and overlaps none of `captions` (all in twips).
QRect DetailsBoxPlace(const ChartBar& bar, QSize box, int windowWidth, const std::vector<QRect>& captions);

// The four lines of a bar's details: right count, percentage ("-" when the attempts are
// 0 or unreadable), time hh:mm and the date in the given short form. Empty when the
// record's date is not a valid date.
QStringList BarDetails(const QString& record, const QString& shortDateFormat);
