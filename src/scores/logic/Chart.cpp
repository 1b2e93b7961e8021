#include "scores/logic/Chart.h"

#include "scores/logic/PracticeRecord.h"

#include <QDate>
#include <algorithm>
#include <cmath>

int ChartScale(double peak)
{
    if (peak <= 0)
        peak = 1;
    const int inner = static_cast<int>(std::floor(2000 / (1.2 * peak)));
    return 2 * static_cast<int>(std::floor(inner / 2.0));
}

ChartLayout LayOutChart(const QStringList& records, double peak, int windowWidth, int advanceNum)
{
    ChartLayout c;
    c.scale = ChartScale(peak);
    if (c.scale > 0) {
        c.topValue = 2000 / c.scale;
        c.middleValue = 1000 / c.scale;
    }
    const int n = std::min<int>(records.size(), ChartBarPlaces);
    c.firstShown = records.size() - n;
    c.x0 = windowWidth / 2.0 - (n / 2.0) * 200;
    for (int i = 1; i <= n; ++i) {
        const PracticeFields fields = ReadPractice(records.at(c.firstShown + i - 1));
        ChartBar bar{};
        bar.left = static_cast<int>(c.x0 + 200 * i);
        const int h = std::max(0, static_cast<int>(fields.CorrectCount)) * c.scale;
        bar.blueHeight = h;
        bar.blueTop = static_cast<int>(std::floor(ChartBaseline - h)) + 1;
        if (fields.CorrectCount != fields.AttemptCount) {
            bar.redTop = static_cast<int>(std::floor(ChartBaseline - fields.AttemptCount * c.scale)) + 1;
            bar.redHeight = bar.blueTop - bar.redTop;
            bar.red = bar.redHeight > 0;
        }
        c.bars.push_back(bar);
    }
    if (!c.bars.empty()) {
        c.goalX2 = c.bars.front().left - 200;
        c.goalX1 = c.bars.back().left + ChartBarWidth + 200;
        c.goalY = static_cast<int>(std::floor(ChartBaseline - static_cast<double>(advanceNum) * c.scale)) + 1;
        c.markerLeft = c.bars.back().left - 50;
        c.recentLeft = c.bars.back().left - 400;
    }
    return c;
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
        percent = QString::number(static_cast<int>(std::nearbyint(100.0 * *right / *attempts))) + QLatin1Char('%');
    }
    return {right ? QString::number(*right) : QStringLiteral("-"), percent, time, date.toString(shortDateFormat)};
}
