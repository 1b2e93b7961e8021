// Problem generation with scripted random numbers: partners, rounds of asked facts,
// the review of missed facts and how each operation shows a fact.
#include "practice/logic/NextProblem.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <random>
#include <set>

namespace {

// A draw that gives partner p (1..10) in floor(10 r) + 1.
double PartnerR(int p) { return (p - 1) / 10.0 + 0.05; }
// A draw that gives table t (1..n) in floor(n r + 1).
double UpToR(int t, int n) { return (t - 0.5) / n; }

std::vector<double> PseudoRandoms(unsigned seed, int count)
{
    std::mt19937 gen(seed);
    std::vector<double> v;
    for (int i = 0; i < count; ++i)
        v.push_back(gen() / 4294967296.0);
    return v;
}

// Hands the script to the platform from its start; returns how many draws the call took.
int Next(ProblemState& p, const AppState& s, TestPlatform& platform, const std::vector<double>& script)
{
    platform.randoms = script;
    platform.nextRandom = 0;
    NextProblem(p, s, platform);
    return static_cast<int>(platform.nextRandom);
}

int MarkCount(const ProblemState& p)
{
    int n = 0;
    for (const auto& row : p.AskedFacts)
        for (Int16 m : row)
            n += m;
    return n;
}

AppState Definition(int op, int table)
{
    AppState s;
    s.PracticeOp = static_cast<Int16>(op);
    s.TableNum = static_cast<Int16>(table);
    return s;
}

} // namespace

class TestNextProblem : public QObject {
    Q_OBJECT
private slots:
    void factKeys_data();
    void factKeys();
    void presentation_data();
    void presentation();
    void partnerRedrawnWhenRepeated();
    void consecutiveProblemsNeverSharePartner_data();
    void consecutiveProblemsNeverSharePartner();
    void justFiveAsksTenFactsThenResets();
    void roundEndsExactlyAtLimit_data();
    void roundEndsExactlyAtLimit();
    void limitByTableKind_data();
    void limitByTableKind();
    void reviewTakesEveryProblemFromMissedList();
    void noReviewBeforeHalfTime();
    void reviewFallsBackWhenOnlyPreviousFactIsMissed();
    void reviewDrawsAgainPastPreviousFact();
    void subtractionAllRanges();
    void divisionUpToThree();
};

void TestNextProblem::factKeys_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("partner");
    QTest::addColumn<QString>("key");
    QTest::newRow("7 and 3") << 7 << 3 << "0703";
    QTest::newRow("10 and 10") << 10 << 10 << "1010";
    QTest::newRow("1 and 10") << 1 << 10 << "0110";
}

void TestNextProblem::factKeys()
{
    QFETCH(int, table);
    QFETCH(int, partner);
    QFETCH(QString, key);
    QCOMPARE(FactKey(table, partner), key);
}

void TestNextProblem::presentation_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("answer");
    QTest::newRow("addition 7 + 3") << 0 << 7 << 3 << 10;
    QTest::newRow("subtraction 10 - 7") << 1 << 10 << 7 << 3;
    QTest::newRow("multiplication 7 x 3") << 2 << 7 << 3 << 21;
    QTest::newRow("division 21 / 7") << 3 << 21 << 7 << 3;
}

void TestNextProblem::presentation()
{
    QFETCH(int, op);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, answer);
    TestPlatform platform;
    ProblemState p;
    QCOMPARE(Next(p, Definition(op, -7), platform, {PartnerR(3)}), 1);
    QCOMPARE(int(p.TableValue), 7);
    QCOMPARE(int(p.PartnerValue), 3);
    QCOMPARE(int(p.ShownFirst), first);
    QCOMPARE(int(p.ShownSecond), second);
    QCOMPARE(int(p.Answer), answer);
    QCOMPARE(int(p.PrevTableValue), 7);
    QCOMPARE(int(p.PrevPartnerValue), 3);
    QCOMPARE(int(p.AskedFacts[7][3]), 1);
    QCOMPARE(MarkCount(p), 1);
}

void TestNextProblem::partnerRedrawnWhenRepeated()
{
    TestPlatform platform;
    ProblemState p;
    p.PrevTableValue = 2;
    p.PrevPartnerValue = 4;
    // "Up to" 5: the repeated partner costs one draw and no table draw.
    QCOMPARE(Next(p, Definition(0, 5), platform, {PartnerR(4), PartnerR(6), UpToR(2, 5)}), 3);
    QCOMPARE(int(p.PartnerValue), 6);
    QCOMPARE(int(p.TableValue), 2);
}

void TestNextProblem::consecutiveProblemsNeverSharePartner_data()
{
    QTest::addColumn<int>("tableNum");
    QTest::newRow("all") << 0;
    QTest::newRow("up to 4") << 4;
    QTest::newRow("just 7") << -7;
    QTest::newRow("just 1") << -1;
}

void TestNextProblem::consecutiveProblemsNeverSharePartner()
{
    QFETCH(int, tableNum);
    TestPlatform platform;
    platform.randoms = PseudoRandoms(1000 + tableNum, 50000);
    const AppState s = Definition(2, tableNum);
    ProblemState p;
    for (int i = 0; i < 3000; ++i) {
        const int prevTable = p.PrevTableValue;
        const int prevPartner = p.PrevPartnerValue;
        NextProblem(p, s, platform);
        QVERIFY2(p.PartnerValue != prevPartner, qPrintable(QStringLiteral("problem %1").arg(i)));
        QVERIFY(p.TableValue != prevTable || p.PartnerValue != prevPartner);
        const int n = std::abs(tableNum);
        if (tableNum == 0)
            QVERIFY(p.TableValue >= 1 && p.TableValue <= 10);
        else if (tableNum > 0)
            QVERIFY(p.TableValue >= 1 && p.TableValue <= n);
        else
            QCOMPARE(int(p.TableValue), n);
        QVERIFY(p.PartnerValue >= 1 && p.PartnerValue <= 10);
    }
}

void TestNextProblem::justFiveAsksTenFactsThenResets()
{
    TestPlatform platform;
    const AppState s = Definition(2, -5);
    ProblemState p;
    const std::vector<int> order{3, 7, 1, 10, 5, 2, 8, 4, 9, 6};
    std::vector<double> script;
    std::vector<int> asked;
    for (int partner : order) {
        // Before each new fact: the previous partner, then a fact asked earlier in the round.
        if (!asked.empty())
            script.push_back(PartnerR(asked.back()));
        if (asked.size() >= 2)
            script.push_back(PartnerR(asked.front()));
        script.push_back(PartnerR(partner));
        asked.push_back(partner);
    }
    platform.randoms = script;
    std::set<int> partners;
    for (int i = 0; i < 10; ++i) {
        NextProblem(p, s, platform);
        QCOMPARE(int(p.TableValue), 5);
        QCOMPARE(int(p.PartnerValue), order[i]);
        QCOMPARE(int(p.ShownFirst), 5);
        QCOMPARE(int(p.ShownSecond), order[i]);
        QCOMPARE(int(p.Answer), 5 * order[i]);
        partners.insert(p.PartnerValue);
    }
    QCOMPARE(platform.nextRandom, script.size());
    QCOMPARE(partners.size(), std::size_t(10));
    QCOMPARE(MarkCount(p), 10);

    // Every fact of the round is asked: the search runs into its limit of 50 draws,
    // the marks are cleared and the fact of the last draw begins the new round.
    std::vector<double> search;
    for (int i = 0; i < 60; ++i)
        search.push_back(PartnerR(1 + i % 5)); // never the previous partner 6
    QCOMPARE(Next(p, s, platform, search), 50);
    QCOMPARE(int(p.PartnerValue), 5); // draw 50 is 1 + 49 % 5
    QCOMPARE(MarkCount(p), 1);
    QCOMPARE(int(p.AskedFacts[5][5]), 1);
}

void TestNextProblem::roundEndsExactlyAtLimit_data()
{
    QTest::addColumn<QList<int>>("partners");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("cleared");
    // "Just" 1: limit 10. All facts of table 1 asked except partner 7; the previous partner is 3.
    QTest::newRow("unasked fact found at draw 10 still ends the round")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 7} << 7 << true;
    QTest::newRow("unasked fact found at draw 9 keeps the round")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 7} << 7 << false;
    QTest::newRow("nothing found by draw 10 ends the round")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 2} << 2 << true;
    QTest::newRow("partner redraw past the limit keeps the round")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 3, 7} << 7 << false;
    QTest::newRow("partner redraw past the limit, nothing found")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 3, 4} << 4 << false;
}

void TestNextProblem::roundEndsExactlyAtLimit()
{
    QFETCH(QList<int>, partners);
    QFETCH(int, result);
    QFETCH(bool, cleared);
    TestPlatform platform;
    ProblemState p;
    for (int partner = 1; partner <= 10; ++partner)
        p.AskedFacts[1][partner] = partner == 7 ? 0 : 1;
    p.AskedFacts[10][10] = 1; // outside the table: cleared with the rest
    p.PrevTableValue = 1;
    p.PrevPartnerValue = 3;
    std::vector<double> script;
    for (int partner : partners)
        script.push_back(PartnerR(partner));
    QCOMPARE(Next(p, Definition(0, -1), platform, script), int(partners.size()));
    QCOMPARE(int(p.TableValue), 1);
    QCOMPARE(int(p.PartnerValue), result);
    QCOMPARE(int(p.AskedFacts[1][result]), 1);
    if (cleared) {
        QCOMPARE(MarkCount(p), 1);
    } else {
        QCOMPARE(int(p.AskedFacts[10][10]), 1);
        QCOMPARE(int(p.AskedFacts[1][1]), 1);
    }
}

void TestNextProblem::limitByTableKind_data()
{
    QTest::addColumn<int>("tableNum");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("drawsPerTry");
    QTest::newRow("all: 100") << 0 << 100 << 2;
    QTest::newRow("up to 3: 30") << 3 << 30 << 2;
    QTest::newRow("up to 10: 100") << 10 << 100 << 2;
    QTest::newRow("just 5: 50") << -5 << 50 << 1;
    QTest::newRow("just 1: 10") << -1 << 10 << 1;
}

void TestNextProblem::limitByTableKind()
{
    QFETCH(int, tableNum);
    QFETCH(int, limit);
    QFETCH(int, drawsPerTry);
    QCOMPARE(DrawLimit(tableNum), limit);
    TestPlatform platform;
    ProblemState p;
    for (auto& row : p.AskedFacts)
        row.fill(1);
    // Every try lands on an asked fact until the limit stops the search.
    QCOMPARE(Next(p, Definition(0, tableNum), platform, {0.55}), limit * drawsPerTry);
    QCOMPARE(MarkCount(p), 1);
}

void TestNextProblem::reviewTakesEveryProblemFromMissedList()
{
    TestPlatform platform;
    const AppState s = Definition(0, -3);
    ProblemState p;
    p.ReviewMode = 1;
    p.MissedFacts = QStringList{"0703", "0204", "1010"};
    struct Step {
        double r;
        int table, partner;
        QStringList left;
    };
    const std::vector<Step> steps{{0.5, 2, 4, {"0703", "1010"}},
                                  {0.9, 10, 10, {"0703"}},
                                  {0.0, 7, 3, {}}};
    for (const Step& step : steps) {
        QCOMPARE(Next(p, s, platform, {step.r}), 1);
        QCOMPARE(int(p.TableValue), step.table);
        QCOMPARE(int(p.PartnerValue), step.partner);
        QCOMPARE(int(p.Answer), step.table + step.partner);
        QCOMPARE(p.MissedFacts, step.left);
        QCOMPARE(int(p.AskedFacts[step.table][step.partner]), 1);
    }
    // The list is empty: the random step supplies the next fact from the definition.
    QCOMPARE(Next(p, s, platform, {PartnerR(5)}), 1);
    QCOMPARE(int(p.TableValue), 3);
    QCOMPARE(int(p.PartnerValue), 5);
}

void TestNextProblem::noReviewBeforeHalfTime()
{
    TestPlatform platform;
    ProblemState p;
    p.MissedFacts = QStringList{"0703", "0204"};
    QCOMPARE(Next(p, Definition(0, -3), platform, {PartnerR(5)}), 1);
    QCOMPARE(int(p.TableValue), 3);
    QCOMPARE(int(p.PartnerValue), 5);
    QCOMPARE(p.MissedFacts, QStringList({"0703", "0204"}));
}

void TestNextProblem::reviewFallsBackWhenOnlyPreviousFactIsMissed()
{
    TestPlatform platform;
    ProblemState p;
    p.ReviewMode = 1;
    p.MissedFacts = QStringList{"0703"};
    p.PrevTableValue = 7;
    p.PrevPartnerValue = 3;
    QCOMPARE(Next(p, Definition(0, -3), platform, {0.0, PartnerR(5)}), 2);
    QCOMPARE(int(p.TableValue), 3);
    QCOMPARE(int(p.PartnerValue), 5);
    QCOMPARE(p.MissedFacts, QStringList{"0703"});
    // Next time the previous fact is 3 + 5, so the missed fact comes back.
    QCOMPARE(Next(p, Definition(0, -3), platform, {0.0}), 1);
    QCOMPARE(int(p.TableValue), 7);
    QCOMPARE(int(p.PartnerValue), 3);
    QVERIFY(p.MissedFacts.isEmpty());
}

void TestNextProblem::reviewDrawsAgainPastPreviousFact()
{
    TestPlatform platform;
    ProblemState p;
    p.ReviewMode = 1;
    p.MissedFacts = QStringList{"0703", "0204"};
    p.PrevTableValue = 7;
    p.PrevPartnerValue = 3;
    QCOMPARE(Next(p, Definition(2, -3), platform, {0.0, 0.4, 0.75}), 3);
    QCOMPARE(int(p.TableValue), 2);
    QCOMPARE(int(p.PartnerValue), 4);
    QCOMPARE(int(p.Answer), 8);
    QCOMPARE(p.MissedFacts, QStringList{"0703"});
}

void TestNextProblem::subtractionAllRanges()
{
    TestPlatform platform;
    const AppState s = Definition(1, 0);
    ProblemState p;
    QCOMPARE(Next(p, s, platform, {0.0, 0.0}), 2);
    QCOMPARE(QPair(int(p.ShownFirst), int(p.ShownSecond)), QPair(2, 1));
    QCOMPARE(int(p.Answer), 1);
    QCOMPARE(Next(p, s, platform, {0.999, 0.999}), 2);
    QCOMPARE(QPair(int(p.ShownFirst), int(p.ShownSecond)), QPair(20, 10));
    QCOMPARE(int(p.Answer), 10);

    platform.randoms = PseudoRandoms(7, 40000);
    platform.nextRandom = 0;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 3000; ++i) {
        NextProblem(p, s, platform);
        QVERIFY(p.ShownFirst >= 2 && p.ShownFirst <= 20);
        QVERIFY(p.ShownSecond >= 1 && p.ShownSecond <= 10);
        QVERIFY(p.Answer >= 1 && p.Answer <= 10);
        QCOMPARE(p.ShownFirst - p.ShownSecond, int(p.Answer));
        seen.insert({p.ShownFirst, p.ShownSecond});
    }
    QCOMPARE(seen.size(), std::size_t(100));
    QCOMPARE(*seen.begin(), std::make_pair(2, 1));
    QCOMPARE(*seen.rbegin(), std::make_pair(20, 10));
}

void TestNextProblem::divisionUpToThree()
{
    TestPlatform platform;
    const AppState s = Definition(3, 3);
    ProblemState p;
    QCOMPARE(Next(p, s, platform, {PartnerR(8), UpToR(3, 3)}), 2);
    QCOMPARE(int(p.ShownFirst), 24);
    QCOMPARE(int(p.ShownSecond), 3);
    QCOMPARE(int(p.Answer), 8);

    platform.randoms = PseudoRandoms(11, 40000);
    platform.nextRandom = 0;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 1000; ++i) {
        NextProblem(p, s, platform);
        QVERIFY(p.ShownSecond >= 1 && p.ShownSecond <= 3);
        QVERIFY(p.Answer >= 1 && p.Answer <= 10);
        QCOMPARE(int(p.ShownFirst), p.ShownSecond * p.Answer);
        seen.insert({p.ShownSecond, p.Answer});
    }
    QCOMPARE(seen.size(), std::size_t(30));
}

QTEST_APPLESS_MAIN(TestNextProblem)
#include "tst_NextProblem.moc"
