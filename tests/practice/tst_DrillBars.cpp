// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The drill's bars: the time bar and the review it starts, the correct bar and its goal; the
// problem's row with wide numbers; the big drill's size.
#include "practice/logic/DrillBars.h"
#include "practice/logic/DrillLayout.h"
#include "support/ScoresPracticeBuilders.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestDrillBars : public QObject {
    Q_OBJECT
private slots:
    void timeBar_data()
    {
        QTest::addColumn<QList<int>>("time"); // seconds left, minutes, height, in review
        QTest::newRow("ten minutes, 300 left") << QList<int>{300, 10, 727, 0};
        QTest::newRow("ten minutes, 299 left: the review is on") << QList<int>{299, 10, 725, 1};
        QTest::newRow("no minutes: no bar") << QList<int>{0, 0, 0, 0};
    }
    void timeBar()
    {
        QFETCH(QList<int>, time);
        QCOMPARE((QList<int>{TimeBarHeight(time[0], time[1]), InReview(time[0], time[1])}), time.mid(2));
    }

    void correctBarHalves()
    {
        CorrectBar bar = CorrectBar::ForGoal(10);
        QCOMPARE(bar.goalY, 1156.5);
        // 15 of a goal of 10 would outgrow the column: the scale and the goal line's height halve, again later.
        QCOMPARE((QList<int>{bar.Height(10), bar.Height(14), bar.Height(15), int(bar.goalY), bar.Height(29),
                             int(bar.goalY), bar.Height(-2)}),
                 (QList<int>{1018, 1425, 763, 1666, 738, 1921, 0}));
    }

    void goal_data()
    {
        QTest::addColumn<bool>("haveFile");
        QTest::addColumn<QList<int>>("advance"); // automatic advancement, its minutes, the goal
        QTest::addColumn<QByteArray>("log");
        QTest::newRow("best of the same definition") << true << QList<int>{0, 2, 17} << QByteArray();
        QTest::newRow("target above the best") << true << QList<int>{1, 1, 20} << QByteArray("\"23 x = 20\"\r\n");
        QTest::newRow("target scaled by minutes") << true << QList<int>{1, 2, 17} << QByteArray("\"23 x = 10\"\r\n");
        QTest::newRow("no history file, even with advancement") << false << QList<int>{1, 1, 0} << QByteArray();
        QTest::newRow("criterion without minutes") << true << QList<int>{1, 0, 17} << QByteArray();
    }
    void goal()
    {
        QFETCH(bool, haveFile);
        QFETCH(QList<int>, advance);
        QFETCH(QByteArray, log);
        TestPlatform p;
        ProgramSettings program;
        program.LogEnabled = -1;
        PlayerSettings s;
        s.AutoAdvance = static_cast<Int16>(advance[0]);
        s.AdvanceMinutes = static_cast<Int16>(advance[1]);
        s.AdvanceNum = 20;
        const QStringList history{Rec("2F1", 12, 13), Rec("2F1", 17, 20), Rec("2F2", 30, 30), Rec("0F1", 40, 40), Rec("2F1", 9, 9)};
        QCOMPARE(int(FindGoal(s, program, Practised({2, -5, 1}), p, haveFile ? std::optional(history) : std::nullopt)), advance[2]);
        QCOMPARE(ReadBytes(p.LogFilePath()), log);
    }

    void wideNumbers_data()
    {
        QTest::addColumn<QList<int>>("row"); // format, the two numbers' widths; then the lefts and rights of the row
        // "70 / 10 = __": the first number grows left, the second right, "=" and the box move right, centred.
        QTest::newRow("4 + 3 = __, 630 and 630") << QList<int>{1, 630, 630, 1045, 1675, 1660, 1915, 1900, 2530, 2575, 2830, 3010, 3610};
        QTest::newRow("4 + 3 = __, as drawn") << QList<int>{1, 0, 0, 1210, 1705, 1690, 1945, 1930, 2365, 2410, 2665, 2845, 3445};
        // "__ = 100 / 10": both grow right, all of it moved left by half the growth.
        QTest::newRow("__ = 4 + 3, 840 and 630") << QList<int>{2, 840, 630, 2130, 2970, 2955, 3210, 3195, 3825, 1890, 2145, 1200, 1800};
    }
    void wideNumbers()
    {
        QFETCH(QList<int>, row);
        const ProblemLayout l = LayOutProblem(row[0], 3, row[1], row[2]);
        QList<int> edges{row.mid(0, 3)};
        for (const QRect& r : {l.label2, l.label1, l.label3, l.label4, l.text1})
            edges << r.left() << r.left() + r.width();
        QCOMPARE(edges, row);
    }

    void bigDrillZoom_data()
    {
        QTest::addColumn<QList<double>>("screen"); // width, height, a digit's height at zoom 1; the zoom
        QTest::newRow("1280 x 800, a large digit: two thirds of the height") << QList<double>{1280, 800, 20, 2.36};
        QTest::newRow("1280 x 800, a small digit: as high as the screen allows") << QList<double>{1280, 800, 10, 3.26};
        QTest::newRow("square: as wide as the screen allows") << QList<double>{800, 800, 16, 2.28};
        QTest::newRow("tiny screen: as drawn") << QList<double>{320, 240, 16, 1};
    }
    void bigDrillZoom()
    {
        QFETCH(QList<double>, screen);
        QCOMPARE(std::round(BigDrillZoom(int(screen[0]), int(screen[1]), screen[2]) * 100) / 100, screen[3]);
    }
};

QTEST_GUILESS_MAIN(TestDrillBars)
#include "tst_DrillBars.moc"
