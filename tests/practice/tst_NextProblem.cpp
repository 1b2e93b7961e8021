// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Problem generation with scripted random numbers: rounds of asked facts, the review of
// missed facts, and the problem each operation shows.
#include "practice/logic/NextProblem.h"
#include "support/ScoresPracticeBuilders.h"
#include "support/TestPlatform.h"

#include <QtTest>

// A draw that gives partner p (1..10) in floor(10 r) + 1.
static double PartnerR(int p) { return (p - 1) / 10.0 + 0.05; }

class TestNextProblem : public QObject {
    Q_OBJECT
private slots:
    void draws_data()
    {
        // Addition "Just" 1, in review, after 1 + 3. Asked this round: every fact of table 1 but 1 + 7, and
        // 10 + 10 (outside the table: cleared with the rest). The round's limit is 10 draws.
        QTest::addColumn<QStringList>("missed");
        QTest::addColumn<QList<int>>("draws"); // each as the partner it gives (PartnerR)
        QTest::addColumn<QStringList>("after"); // fact asked, missed facts left, the round's marks
        const QStringList none, asked{"0107", "", "kept"};
        QTest::newRow("draw 10 ends the round") << none << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 7} << QStringList{"0107", "", "cleared"};
        QTest::newRow("draw 9 keeps the round") << none << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 7} << asked;
        QTest::newRow("partner redraw past the limit keeps it") << none << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 3, 7} << asked;
        QTest::newRow("review: the drawn fact") << QStringList{"0103", "0204", "1010"} << QList<int>{6}
                                                << QStringList{"0204", "0103,1010", "kept"};
        QTest::newRow("redrawn past the last") << QStringList{"0103", "0204"} << QList<int>{1, 8} << QStringList{"0204", "0103", "kept"};
        QTest::newRow("only the previous: random step") << QStringList{"0103"} << QList<int>{1, 7} << QStringList{"0107", "0103", "kept"};
    }
    void draws()
    {
        QFETCH(QStringList, missed);
        QFETCH(QList<int>, draws);
        QFETCH(QStringList, after);
        ProblemState p;
        for (int partner = 1; partner <= 10; ++partner)
            p.AskedFacts[1][partner] = partner != 7;
        p.AskedFacts[10][10] = 1;
        p.PrevTableValue = 1;
        p.PrevPartnerValue = 3;
        p.ReviewMode = 1;
        p.MissedFacts = missed;
        TestPlatform platform;
        for (int d : draws)
            platform.randoms.push_back(PartnerR(d));
        NextProblem(p, Practised<PracticeFields>({0, -1}), platform);
        QCOMPARE(int(platform.nextRandom), int(draws.size()));
        QCOMPARE((QStringList{FactKey(p.TableValue, p.PartnerValue), p.MissedFacts.join(','), p.AskedFacts[10][10] ? "kept" : "cleared"}),
                 after);
        QCOMPARE(int(p.AskedFacts[p.TableValue][p.PartnerValue]), 1);
    }

    void shapes_data()
    {
        QTest::addColumn<QList<int>>("definition"); // operation, table
        QTest::addColumn<QList<int>>("shown");      // first, second, answer; the draws give partner 4, then table 7 of 10
        QTest::newRow("subtraction all: 11 - 7") << QList<int>{1, 0} << QList<int>{11, 7, 4};
        QTest::newRow("multiplication just 9: 9 x 4") << QList<int>{2, -9} << QList<int>{9, 4, 36};
        QTest::newRow("division up to 10: 28 / 7") << QList<int>{3, 10} << QList<int>{28, 7, 4};
    }
    void shapes()
    {
        QFETCH(QList<int>, definition);
        QFETCH(QList<int>, shown);
        TestPlatform platform;
        platform.randoms = {PartnerR(4), PartnerR(7)};
        ProblemState p;
        NextProblem(p, Practised<PracticeFields>(definition), platform);
        QCOMPARE((QList<int>{p.ShownFirst, p.ShownSecond, p.Answer}), shown);
    }
};

QTEST_APPLESS_MAIN(TestNextProblem)
#include "tst_NextProblem.moc"
