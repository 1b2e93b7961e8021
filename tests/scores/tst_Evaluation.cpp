// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The end-of-practice evaluation: the best-score message, the words for a first practice and
// one close to the best, the level's goal, the ladder of levels and the level stored.
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Evaluation.h"
#include "support/ScoresPracticeBuilders.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void evaluate_data()
    {
        // The level, Addition Just 3 in 2 minutes unless given: more than 20 right, or 3 records
        // of more than 10 right at more than 90%.
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("levels"); // the level's set before and after
        const QStringList stays{"0H2", "0H2"}, moves{"0H2", "0G2"};
        const QStringList three{Rec("0H2", 11, 12), Rec("0H2", 11, 12), Rec("0H2", 11, 12)};
        QTest::newRow("first record: no best score, a first practice") << QStringList{Rec("0K2", 12, 12)} << FirstPracticeMessage << stays;
        QTest::newRow("2 below the earlier best: close") << QStringList{Rec("0K2", 15, 16), Rec("0K2", 9, 9), Rec("0K2", 13, 14)} << CloseToBestMessage << stays;
        QTest::newRow("3 below the earlier best: no word") << QStringList{Rec("0K2", 15, 16), Rec("0K2", 12, 14)} << "" << stays;
        QTest::newRow("new best below the level's goal") << QStringList{Rec("0H2", 15, 16), Rec("0H2", 17, 18)} << BeatBestMessage << stays;
        QTest::newRow("20 of goal 20 is not enough") << QStringList{Rec("0H2", 5, 9), Rec("0H2", 20, 22)} << BestScoreMessage << stays;
        QTest::newRow("21 meets the goal") << QStringList{Rec("0H2", 5, 9), Rec("0H2", 21, 22)} << LevelGoalMessage << moves;
        QTest::newRow("three at 90% meet it") << three + QStringList{Rec("0H2", 2, 9)} << LevelGoalMessage << moves;
        QTest::newRow("18 of 20 is only 90%") << QStringList(3, Rec("0H2", 18, 20)) << CloseToBestMessage << stays;
        QTest::newRow("10 of 10 is not more than 10") << QStringList(3, Rec("0H2", 10, 10)) << CloseToBestMessage << stays;
        QTest::newRow("no attempts count nothing") << QStringList(3, Rec("0H2", 11, 0)) << CloseToBestMessage << stays;
        // The ladder of levels: Just n -> Just n + 1, with Up to 5 after Just 5 and All after 10.
        QTest::newRow("Just 5 -> Up to 5") << QStringList{Rec("0F2", 30, 30)} << LevelGoalMessage << QStringList{"0F2", "0P2"};
        QTest::newRow("Up to 5 -> Just 6") << QStringList{Rec("0P2", 30, 30)} << LevelGoalMessage << QStringList{"0P2", "0E2"};
        QTest::newRow("Just 10 -> All") << QStringList{Rec("0A2", 30, 30)} << LevelGoalMessage << QStringList{"0A2", "0K2"};
        QTest::newRow("Up to 10 -> All") << QStringList{Rec("0U2", 30, 30)} << LevelGoalMessage << QStringList{"0U2", "0K2"};
        QTest::newRow("All -> Just 1, next operation") << QStringList{Rec("0K3", 30, 30)} << LevelGoalMessage << QStringList{"0K3", "1J3"};
        QTest::newRow("All of Division: all done") << QStringList{Rec("3K3", 30, 30)} << AllTablesMessage << QStringList{"3K3", "3L3"};
        QTest::newRow("other operation: not the level") << QStringList{Rec("1H2", 30, 30)} << FirstPracticeMessage << stays;
        QTest::newRow("other minutes: not the level") << QStringList{Rec("0H3", 30, 30)} << FirstPracticeMessage << stays;
    }
    void evaluate()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, message);
        QFETCH(QStringList, levels);
        TestPlatform p;
        p.EnterProgramDir();
        WriteBytes(QStringLiteral("Players"), "1\r\n\"Ann\"\r\n\"AAB  \"\r\n"); // her row names her key
        Program program;
        Player player(program);
        const QString before = Rec(qPrintable(levels[0]), 0, 0, "200601010000");
        player.Choose(QStringLiteral("Ann"), QStringLiteral("AAB"));
        player.Change([&](PlayerSettings& s) {
            s.AutoAdvance = 1;
            s.LevelDef = s.CurrentPractice = before;
            s.AdvanceMinutes = static_cast<Int16>(levels[0].at(2).digitValue());
            s.AdvanceNum = 20;
            s.AdvanceRight = 3;
        });
        QFile::remove(QStringLiteral("AAB.cfg"));
        const PlayerSettings& s = player.Settings();
        const double peak = FindPeak(records, IsCurrentLevel(s, ReadPractice(records.last())), s.AdvanceNum);
        const Evaluation result = EvaluatePractice(s, records, CountNinety(records), peak, p.now);
        QCOMPARE(result.Message, message);
        QCOMPARE(int(result.AutoAdvance), message == AllTablesMessage ? 0 : 1);
        // A new level is stamped with the time; nothing is stored until the result is applied.
        const bool moved = levels[1] != levels[0];
        const QString def = moved ? Rec(qPrintable(levels[1]), 0, 0) : before;
        QCOMPARE(result.NewLevel.value_or(before), def);
        ApplyEvaluation(player, program.Settings(), p, result);
        QCOMPARE((QList<QVariant>{s.LevelDef, s.CurrentPractice, s.AutoAdvance}), (QList<QVariant>{def, def, result.AutoAdvance}));
        QCOMPARE(FileLines(QStringLiteral("AAB.cfg")).mid(1, 3),
                 moved ? QStringList({'"' + def + '"', QString::number(s.AutoAdvance), '"' + def + '"'}) : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_Evaluation.moc"
