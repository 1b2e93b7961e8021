// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The drill's bars: the time bar and the review it starts, the correct bar and its goal.
#include "practice/logic/DrillBars.h"
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
};

QTEST_GUILESS_MAIN(TestDrillBars)
#include "tst_DrillBars.moc"
