// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The score chart: its scale, the bars with the wrong attempts above them, and a bar's details.
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"
#include "support/ScoresPracticeBuilders.h"

#include <QtTest>

class TestChart : public QObject {
    Q_OBJECT
private slots:
    void scale_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("goal"); // AdvanceNum when the set is the player's level, else 0
        // Top and middle captions, the last bar's top and height, the first bar's red (shown, top, height).
        QTest::addColumn<QList<int>>("chart");
        QTest::newRow("a lone 12 is raised to 15.6") << QStringList{Rec("0K2", 12, 12)} << 0 << QList<int>{18, 9, 1529, 1272, 0, 0, 0};
        QTest::newRow("8 of 10: 2 red above") << QStringList{Rec("0K2", 8, 10), Rec("0K2", 10, 10)} << 0
                                             << QList<int>{12, 6, 1141, 1660, 1, 1141, 332};
        QTest::newRow("a peak of 0 is charted as 1") << QStringList{Rec("0K2", 0, 0)} << 0 << QList<int>{1, 0, 2801, 0, 0, 0, 0};
        QTest::newRow("no right answer: attempts set the scale") << QStringList{Rec("0K2", 0, 5), Rec("0K2", 0, 3)} << 0 << QList<int>{6, 3, 2801, 0, 1, 1141, 1660};
        QTest::newRow("5 of 30: red stops at the chart's top") << QStringList{Rec("0K2", 5, 30), Rec("0K2", 5, 5)} << 0 << QList<int>{6, 3, 1141, 1660, 1, 801, 340};
        // Past a peak of 833 a right answer takes less than two twips.
        QTest::newRow("peak 833") << QStringList{Rec("0K2", 833, 999), Rec("0K2", 833, 833)} << 0 << QList<int>{1000, 500, 1135, 1666, 1, 803, 332};
        QTest::newRow("peak 834") << QStringList{Rec("0K2", 834, 999), Rec("0K2", 834, 834)} << 0 << QList<int>{1002, 501, 1136, 1665, 1, 807, 329};
        QTest::newRow("goal 5000") << QStringList{Rec("0K2", 999, 999)} << 5000 << QList<int>{6000, 3000, 2468, 333, 0, 0, 0};
        QTest::newRow("goal 32767: one right is still a pixel") << QStringList{Rec("0K2", 1, 1)} << 32767 << QList<int>{39322, 19661, 2786, 15, 0, 0, 0};
    }
    void scale()
    {
        QFETCH(QStringList, records);
        QFETCH(int, goal);
        QFETCH(QList<int>, chart);
        const ChartLayout c = LayOutChart(records, FindPeak(records, goal > 0, goal), 8640, goal);
        const ChartBar &first = c.bars.front(), &last = c.bars.back();
        QCOMPARE((QList<int>{c.topValue, c.middleValue, last.blueTop, last.blueHeight, first.red, first.redTop, first.redHeight}), chart);
    }

    void details_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("half rounds to even: 1 of 8") << "0H2200603151405001008" << QStringList{"1", "12%", "14:05", "15/03/2006"};
        QTest::newRow("no attempts") << "0H2200603151405000000" << QStringList{"0", "-", "14:05", "15/03/2006"};
        QTest::newRow("attempts not a number") << "0H2200603151405005x0y" << QStringList{"5", "-", "14:05", "15/03/2006"};
        QTest::newRow("not a date") << "0H2200613451405007009" << QStringList();
    }
    void details()
    {
        QFETCH(QString, record);
        QFETCH(QStringList, lines);
        QCOMPARE(BarDetails(record, QStringLiteral("dd/MM/yyyy")), lines);
    }
};

QTEST_GUILESS_MAIN(TestChart)
#include "tst_Chart.moc"
