// Problem generation with scripted random numbers: partners, rounds of asked facts,
// the review of missed facts and how each operation shows its facts.
#include "practice/logic/NextProblem.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <random>
#include <set>

namespace {

// A draw that gives partner p (1..10) in floor(10 r) + 1.
double PartnerR(int p) { return (p - 1) / 10.0 + 0.05; }

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
    void consecutiveProblemsNeverSharePartner_data();
    void consecutiveProblemsNeverSharePartner();
    void justFiveAsksTenFactsThenResets();
    void roundEndsExactlyAtLimit_data();
    void roundEndsExactlyAtLimit();
    void limitByTableKind_data();
    void limitByTableKind();
    void review_data();
    void review();
    void ranges_data();
    void ranges();
};

void TestNextProblem::consecutiveProblemsNeverSharePartner_data()
{
    QTest::addColumn<int>("tableNum");
    QTest::newRow("all") << 0;
    QTest::newRow("up to 4") << 4;
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
        const int prevPartner = p.PrevPartnerValue;
        NextProblem(p, s, platform);
        QVERIFY2(p.PartnerValue != prevPartner, qPrintable(QStringLiteral("problem %1").arg(i)));
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
    for (int i = 0; i < 10; ++i) {
        NextProblem(p, s, platform);
        QCOMPARE(int(p.TableValue), 5);
        QCOMPARE(int(p.PartnerValue), order[i]);
    }
    QCOMPARE(platform.nextRandom, script.size());
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
    QTest::newRow("partner redraw past the limit keeps the round")
        << QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 1, 3, 7} << 7 << false;
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
    QTest::newRow("all: 100") << 0 << 100;
    QTest::newRow("up to 3: 30") << 3 << 30;
}

void TestNextProblem::limitByTableKind()
{
    QFETCH(int, tableNum);
    QFETCH(int, limit);
    QCOMPARE(DrawLimit(tableNum), limit);
    TestPlatform platform;
    ProblemState p;
    for (auto& row : p.AskedFacts)
        row.fill(1);
    // Every try (a partner and a table) lands on an asked fact until the limit stops the search.
    QCOMPARE(Next(p, Definition(0, tableNum), platform, {0.55}), limit * 2);
    QCOMPARE(MarkCount(p), 1);
}

void TestNextProblem::review_data()
{
    QTest::addColumn<int>("reviewMode");
    QTest::addColumn<QStringList>("missed");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QStringList>("left");
    // Addition, "Just" 3.
    QTest::newRow("review takes the drawn missed fact") << 1 << QStringList{"0703", "0204", "1010"} << "0000"
                                                        << QList<double>{0.5} << "0204" << QStringList{"0703", "1010"};
    QTest::newRow("the last missed fact") << 1 << QStringList{"1010"} << "0703" << QList<double>{0.9} << "1010"
                                          << QStringList{};
    QTest::newRow("drawn again past the previous fact") << 1 << QStringList{"0703", "0204"} << "0703"
                                                        << QList<double>{0.0, 0.4, 0.75} << "0204" << QStringList{"0703"};
    QTest::newRow("only the previous fact: the random step") << 1 << QStringList{"0703"} << "0703"
                                                             << QList<double>{0.0, PartnerR(5)} << "0305"
                                                             << QStringList{"0703"};
    QTest::newRow("no review before half time") << 0 << QStringList{"0703", "0204"} << "0000"
                                                << QList<double>{PartnerR(5)} << "0305" << QStringList{"0703", "0204"};
    QTest::newRow("empty list: the random step") << 1 << QStringList{} << "0000" << QList<double>{PartnerR(5)} << "0305"
                                                 << QStringList{};
}

void TestNextProblem::review()
{
    QFETCH(int, reviewMode);
    QFETCH(QStringList, missed);
    QFETCH(QString, previous);
    QFETCH(QList<double>, script);
    QFETCH(QString, asked);
    QFETCH(QStringList, left);
    TestPlatform platform;
    ProblemState p;
    p.ReviewMode = static_cast<Int16>(reviewMode);
    p.MissedFacts = missed;
    p.PrevTableValue = static_cast<Int16>(previous.left(2).toInt());
    p.PrevPartnerValue = static_cast<Int16>(previous.mid(2).toInt());
    QCOMPARE(Next(p, Definition(0, -3), platform, {script.begin(), script.end()}), int(script.size()));
    QCOMPARE(FactKey(p.TableValue, p.PartnerValue), asked);
    QCOMPARE(int(p.Answer), p.TableValue + p.PartnerValue);
    QCOMPARE(p.MissedFacts, left);
}

void TestNextProblem::ranges_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("tableNum");
    QTest::addColumn<QPoint>("lowest"); // shown first and second numbers
    QTest::addColumn<QPoint>("highest");
    QTest::addColumn<int>("problems"); // different problems
    QTest::newRow("addition all: 1 + 1 to 10 + 10") << 0 << 0 << QPoint(1, 1) << QPoint(10, 10) << 100;
    QTest::newRow("subtraction all: 2 - 1 to 20 - 10") << 1 << 0 << QPoint(2, 1) << QPoint(20, 10) << 100;
    QTest::newRow("multiplication just 7: 7 x 1 to 7 x 10") << 2 << -7 << QPoint(7, 1) << QPoint(7, 10) << 10;
    QTest::newRow("division up to 3: answers 1 to 10") << 3 << 3 << QPoint(1, 1) << QPoint(30, 3) << 30;
}

void TestNextProblem::ranges()
{
    QFETCH(int, op);
    QFETCH(int, tableNum);
    QFETCH(QPoint, lowest);
    QFETCH(QPoint, highest);
    QFETCH(int, problems);
    TestPlatform platform;
    platform.randoms = PseudoRandoms(7, 40000);
    const AppState s = Definition(op, tableNum);
    ProblemState p;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 3000; ++i) {
        NextProblem(p, s, platform);
        const int first = p.ShownFirst;
        const int second = p.ShownSecond;
        const int answer = p.Answer;
        const bool holds[] = {first + second == answer, first - second == answer, first * second == answer,
                              first == second * answer};
        QVERIFY(holds[op]);
        seen.insert({first, second});
    }
    QCOMPARE(int(seen.size()), problems);
    QCOMPARE(*seen.begin(), std::make_pair(lowest.x(), lowest.y()));
    QCOMPARE(*seen.rbegin(), std::make_pair(highest.x(), highest.y()));
}

QTEST_APPLESS_MAIN(TestNextProblem)
#include "tst_NextProblem.moc"
