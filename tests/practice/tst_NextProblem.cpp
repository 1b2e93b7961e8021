// Problem generation with scripted random numbers: rounds of asked facts, the review of
// missed facts, and the problems each operation and table asks.
#include "practice/logic/NextProblem.h"
#include "support/ScoresPracticeBuilders.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <random>
#include <set>

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
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("after"); // fact asked, missed facts left, the round's marks
        const auto partners = [](const QList<int>& list) {
            QList<double> draws;
            for (int p : list)
                draws << PartnerR(p);
            return draws;
        };
        QTest::newRow("unasked fact at draw 10 still ends the round") << QStringList() << partners({1, 2, 4, 5, 6, 8, 9, 10, 1, 7})
                                                                      << QStringList{"0107", "", "cleared"};
        QTest::newRow("unasked fact at draw 9 keeps the round") << QStringList() << partners({1, 2, 4, 5, 6, 8, 9, 10, 7})
                                                                << QStringList{"0107", "", "kept"};
        QTest::newRow("partner redraw past the limit keeps the round") << QStringList() << partners({1, 2, 4, 5, 6, 8, 9, 10, 1, 3, 7})
                                                                       << QStringList{"0107", "", "kept"};
        QTest::newRow("review takes the drawn missed fact") << QStringList{"0103", "0204", "1010"} << QList<double>{0.5}
                                                            << QStringList{"0204", "0103,1010", "kept"};
        QTest::newRow("drawn again past the previous fact") << QStringList{"0103", "0204"} << QList<double>{0.0, 0.75}
                                                            << QStringList{"0204", "0103", "kept"};
        QTest::newRow("only the previous fact: the random step") << QStringList{"0103"} << QList<double>{0.0, PartnerR(7)}
                                                                 << QStringList{"0107", "0103", "kept"};
    }
    void draws()
    {
        QFETCH(QStringList, missed);
        QFETCH(QList<double>, draws);
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
        platform.randoms.assign(draws.begin(), draws.end());
        NextProblem(p, Practised({0, -1}), platform);
        QCOMPARE(int(platform.nextRandom), int(draws.size()));
        QCOMPARE((QStringList{FactKey(p.TableValue, p.PartnerValue), p.MissedFacts.join(','), p.AskedFacts[10][10] ? "kept" : "cleared"}),
                 after);
        QCOMPARE(int(p.AskedFacts[p.TableValue][p.PartnerValue]), 1);
    }

    void ranges_data()
    {
        QTest::addColumn<QList<int>>("definition"); // operation, table
        QTest::addColumn<QList<int>>("range");      // lowest and highest problem shown, how many different
        QTest::newRow("subtraction all: 2 - 1 to 20 - 10") << QList<int>{1, 0} << QList<int>{2, 1, 20, 10, 100};
        QTest::newRow("multiplication just 7: 7 x 1 to 7 x 10") << QList<int>{2, -7} << QList<int>{7, 1, 7, 10, 10};
        QTest::newRow("division up to 3: answers 1 to 10") << QList<int>{3, 3} << QList<int>{1, 1, 30, 3, 30};
    }
    void ranges()
    {
        QFETCH(QList<int>, definition);
        QFETCH(QList<int>, range);
        TestPlatform platform;
        std::mt19937 gen(7);
        for (int i = 0; i < 20000; ++i)
            platform.randoms.push_back(gen() / 4294967296.0);
        ProblemState p;
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < 2000; ++i) {
            const int previousPartner = p.PartnerValue;
            NextProblem(p, Practised(definition), platform);
            QVERIFY(p.PartnerValue != previousPartner); // never the same partner twice running
            const int a = p.ShownFirst, b = p.ShownSecond, answer = p.Answer;
            QVERIFY((QList<bool>{a + b == answer, a - b == answer, a * b == answer, a == b * answer}).at(definition[0]));
            seen.insert({a, b});
        }
        QCOMPARE((QList<int>{seen.begin()->first, seen.begin()->second, seen.rbegin()->first, seen.rbegin()->second, int(seen.size())}),
                 range);
    }
};

QTEST_APPLESS_MAIN(TestNextProblem)
#include "tst_NextProblem.moc"
