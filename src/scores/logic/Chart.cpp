// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/Chart.h"

#include "core/logic/PracticeRecord.h"

#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cmath>

namespace {

// Twips per right answer, and the captions: an even whole number of twips while one fits
// (a peak of 0 or less is charted as a peak of 1).
void SetScale(ChartLayout& c, double peak)
{
    if (peak <= 0)
        peak = 1;
    const int inner = static_cast<int>(std::floor(2000 / (1.2 * peak)));
    const int even = 2 * static_cast<int>(std::floor(inner / 2.0));
    if (even > 0) {
        c.scale = even;
        c.topValue = 2000 / even;
        c.middleValue = 1000 / even;
        return;
    }
    // Past a peak of 833 a right answer gets a fraction of a twip: the top caption becomes
    // the even count next above 1.2 times the peak, so both captions stand exactly at their
    // counts' heights.
    c.topValue = static_cast<int>(std::ceil(peak * 6 / 5));
    c.topValue += c.topValue % 2;
    c.middleValue = c.topValue / 2;
    c.scale = 2000.0 / c.topValue;
}

// The height of a count on the scale, in whole twips.
int Height(double count, double scale)
{
    return static_cast<int>(std::lround(count * scale));
}

} // namespace

ChartLayout LayOutChart(const QStringList& records, double peak, int windowWidth, int advanceNum)
{
    ChartLayout c;
    // Without a single right answer the attempts set the scale, so that the red bars keep
    // their proportions and the captions count answers.
    if (peak <= 0)
        for (const QString& record : records)
            peak = std::max<double>(peak, ReadPractice(record).AttemptCount);
    SetScale(c, peak);
    const int n = std::min<int>(records.size(), ChartBarPlaces);
    c.firstShown = records.size() - n;
    c.x0 = windowWidth / 2.0 - (n / 2.0) * 200;
    for (int i = 1; i <= n; ++i) {
        const PracticeFields fields = ReadPractice(records.at(c.firstShown + i - 1));
        ChartBar bar{};
        bar.left = static_cast<int>(c.x0 + 200 * i);
        const int right = std::max(0, static_cast<int>(fields.CorrectCount));
        // A right answer is never lost below a pixel, however high the peak.
        const int h = right > 0 ? std::max(Height(right, c.scale), 15) : 0;
        bar.blueHeight = h;
        bar.blueTop = ChartBaseline - h + 1;
        if (fields.CorrectCount != fields.AttemptCount) {
            // Attempts far above the peak stop at the chart's top rather than run off the window.
            bar.redTop = std::max(ChartBaseline - Height(fields.AttemptCount, c.scale), ChartTop) + 1;
            bar.redHeight = bar.blueTop - bar.redTop;
            bar.red = bar.redHeight > 0;
        }
        c.bars.push_back(bar);
    }
    if (!c.bars.empty()) {
        c.goalX2 = c.bars.front().left - 200;
        c.goalX1 = c.bars.back().left + ChartBarWidth + 200;
        c.goalY = static_cast<int>(std::floor(ChartBaseline - advanceNum * c.scale)) + 1;
        c.markerLeft = c.bars.back().left - 50;
        c.recentLeft = c.bars.back().left - 400;
    }
    return c;
}

QRect DetailsBoxPlace(const ChartBar& bar, QSize box, int windowWidth, const std::vector<QRect>& captions)
{
    constexpr int gap = 60;
    const int lefts[] = {bar.left + ChartBarWidth + gap, bar.left - gap - box.width()};
    const int tops[] = {ChartBaseline - box.height(), gap};
    for (int top : tops)
        for (int left : lefts) {
            const QRect place(QPoint(left, top), box);
            const bool clear = std::none_of(captions.begin(), captions.end(),
                                            [&](const QRect& c) { return c.intersects(place); });
            if (left >= gap && place.right() < windowWidth - gap && clear)
                return place;
        }
    // Nowhere clear: right of the bar, kept inside the window.
    return QRect(QPoint(std::clamp(lefts[0], gap, std::max(gap, windowWidth - gap - box.width())), tops[0]), box);
}

QStringList BarDetails(const QString& record, const QString& shortDateFormat)
{
    const QDate date(record.mid(3, 4).toInt(), record.mid(7, 2).toInt(), record.mid(9, 2).toInt());
    if (record.size() < 15 || !date.isValid())
        return {};
    const QString time = record.mid(11, 2) + QLatin1Char(':') + record.mid(13, 2);
    const std::optional<int> right = ReadCount(record.mid(15, 3));
    const std::optional<int> attempts = ReadCount(record.mid(18, 3));
    QString percent = QStringLiteral("-");
    if (right && attempts && *attempts != 0) {
        // Halves go to the even neighbour.
        percent = QCoreApplication::translate("Chart", "%1%").arg(static_cast<int>(std::nearbyint(100.0 * *right / *attempts)));
    }
    return {right ? QString::number(*right) : QStringLiteral("-"), percent, time, date.toString(shortDateFormat)};
}
