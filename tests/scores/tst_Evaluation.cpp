// The end-of-practice evaluation, the ladder of levels and the chart's geometry.
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"
#include "scores/logic/PracticeRecord.h"
#include "support/TestPlatform.h"

#include <QtTest>

namespace {
// A record of the given set with the given counts.
QString Rec(const char* key, int right, int attempts)
{
    return QString::fromLatin1(key) + QStringLiteral("200603151405") + QStringLiteral("%1%2")
                                                                            .arg(right, 3, 10, QLatin1Char('0'))
                                                                            .arg(attempts, 3, 10, QLatin1Char('0'));
}
} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void ladder_data();
    void ladder();
    void ninety_data();
    void ninety();
    void evaluate_data();
    void evaluate();
    void logLines();
    void chart_data();
    void chart();
    void threeBarsAndMarker();
    void moreThanThirtyRecords();
    void details_data();
    void details();
};

void TestEvaluation::ladder_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Just 1 -> Just 2") << -1 << -2;
    QTest::newRow("Just 4 -> Just 5") << -4 << -5;
    QTest::newRow("Just 5 -> Up to 5") << -5 << 5;
    QTest::newRow("Up to 5 -> Just 6") << 5 << -6;
    QTest::newRow("Just 9 -> Just 10") << -9 << -10;
    QTest::newRow("Just 10 -> All") << -10 << 0;
    QTest::newRow("All -> 1 (next operation)") << 0 << 1;
    QTest::newRow("Up to 3 -> Up to 4") << 3 << 4;
    QTest::newRow("Up to 4 -> Up to 5") << 4 << 5;
    QTest::newRow("Up to 9 -> Up to 10") << 9 << 10;
    QTest::newRow("Up to 10 -> All") << 10 << 0;
}

void TestEvaluation::ladder()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QCOMPARE(int(NextLevelTable(static_cast<Int16>(from))), to);
}

void TestEvaluation::ninety_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("ninety");
    QTest::newRow("11 of 12 counts") << QStringList{Rec("0H2", 11, 12)} << 1;
    QTest::newRow("18 of 20 is exactly 90%") << QStringList{Rec("0H2", 18, 20)} << 0;
    QTest::newRow("10 of 10 is not more than 10") << QStringList{Rec("0H2", 10, 10)} << 0;
    QTest::newRow("no attempts") << QStringList{Rec("0H2", 11, 0)} << 0;
    QTest::newRow("three of four") << QStringList{Rec("0H2", 11, 12), Rec("0H2", 30, 31), Rec("0H2", 5, 5), Rec("0H2", 19, 20)} << 3;
}

void TestEvaluation::ninety()
{
    QFETCH(QStringList, records);
    QFETCH(int, ninety);
    QCOMPARE(CountNinety(records), ninety);
}

void TestEvaluation::evaluate_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("levelDef");
    QTest::addColumn<int>("advanceMinutes");
    QTest::addColumn<int>("advanceNum");
    QTest::addColumn<int>("advanceRight");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("newLevel");   // first three characters of the stored level, "" when unchanged
    QTest::addColumn<int>("autoAdvance");
    const QString just3 = QStringLiteral("0H2200601010000000000");
    QTest::newRow("first record: no best-score message") << QStringList{Rec("0K2", 12, 12)} << just3 << 2 << 20 << 3
                                                         << "" << "" << 1;
    QTest::newRow("12 and 12: best score") << QStringList{Rec("0K2", 12, 14), Rec("0K2", 12, 12)} << just3 << 2 << 20 << 3
                                          << BestScoreMessage << "" << 1;
    QTest::newRow("lower than before: nothing") << QStringList{Rec("0K2", 15, 15), Rec("0K2", 12, 12)} << just3 << 2 << 20
                                                << 3 << "" << "" << 1;
    QTest::newRow("Just 3, 20 of goal 20 is not enough")
        << QStringList{Rec("0H2", 5, 9), Rec("0H2", 20, 22)} << just3 << 2 << 20 << 3 << BestScoreMessage << "" << 1;
    QTest::newRow("on the level, a best below the goal is no best score")
        << QStringList{Rec("0H2", 5, 9), Rec("0H2", 19, 22)} << just3 << 2 << 20 << 3 << "" << "" << 1;
    QTest::newRow("Just 3, 21 meets the goal") << QStringList{Rec("0H2", 5, 9), Rec("0H2", 21, 22)} << just3 << 2 << 20
                                               << 3 << LevelGoalMessage << "0G2" << 1;
    QTest::newRow("three records of 11 of 12 meet AdvanceRight 3")
        << QStringList{Rec("0H2", 11, 12), Rec("0H2", 11, 12), Rec("0H2", 11, 12), Rec("0H2", 2, 9)} << just3 << 2 << 50
        << 3 << LevelGoalMessage << "0G2" << 1;
    QTest::newRow("Just 5 -> Up to 5") << QStringList{Rec("1F3", 30, 30)} << "1F3200601010000000000" << 3 << 20 << 9
                                       << LevelGoalMessage << "1P3" << 1;
    QTest::newRow("Just 10 -> All") << QStringList{Rec("2A3", 30, 30)} << "2A3200601010000000000" << 3 << 20 << 9
                                    << LevelGoalMessage << "2K3" << 1;
    QTest::newRow("All of Addition -> Just 1 of Subtraction") << QStringList{Rec("0K3", 30, 30)}
                                                              << "0K3200601010000000000" << 3 << 20 << 9
                                                              << LevelGoalMessage << "1J3" << 1;
    QTest::newRow("All of Division: every table done") << QStringList{Rec("3K3", 30, 30)} << "3K3200601010000000000" << 3
                                                       << 20 << 9 << AllTablesMessage << "3L3" << 0;
    QTest::newRow("other operation: not the level") << QStringList{Rec("1H2", 30, 30)} << just3 << 2 << 20 << 3 << ""
                                                    << "" << 1;
    QTest::newRow("other minutes than AdvanceMinutes") << QStringList{Rec("0H3", 30, 30)} << just3 << 2 << 20 << 3 << ""
                                                       << "" << 1;
    QTest::newRow("AdvanceMinutes 30 never tests") << QStringList{Rec("0H2", 30, 30)} << just3 << 30 << 20 << 3 << ""
                                                   << "" << 1;
}

void TestEvaluation::evaluate()
{
    QFETCH(QStringList, records);
    QFETCH(QString, levelDef);
    QFETCH(int, advanceMinutes);
    QFETCH(int, advanceNum);
    QFETCH(int, advanceRight);
    QFETCH(QString, message);
    QFETCH(QString, newLevel);
    QFETCH(int, autoAdvance);
    TestPlatform p;
    p.EnterProgramDir();
    AppState s;
    s.PlayerFileId = QStringLiteral("AAB");
    s.AutoAdvance = 1;
    s.LevelDef = levelDef;
    s.CurrentPractice = QStringLiteral("0H2200601010000000000");
    s.AdvanceMinutes = advanceMinutes;
    s.AdvanceNum = advanceNum;
    s.AdvanceRight = advanceRight;
    UnpackPractice(s, records.last()); // the set shown
    const bool level = IsCurrentLevel(s);
    const double peak = FindPeak(records, level, s.AdvanceNum);
    QCOMPARE(EvaluatePractice(s, p, records, CountNinety(records), peak), message);
    QCOMPARE(int(s.AutoAdvance), autoAdvance);
    if (newLevel.isEmpty()) {
        QCOMPARE(s.LevelDef, levelDef);
        QVERIFY(!QFile::exists(QStringLiteral("AAB.cfg")));
    } else {
        QCOMPARE(s.LevelDef.left(3), newLevel);
        QCOMPARE(s.CurrentPractice, s.LevelDef);
        QCOMPARE(s.LevelDef.mid(3, 12), QStringLiteral("200603151405"));
        // The player's file holds the new level and practice.
        const QByteArray cfg = ReadBytes(QStringLiteral("AAB.cfg"));
        QVERIFY(cfg.contains("\"" + s.LevelDef.toLatin1() + "\"\r\n" + QByteArray::number(autoAdvance) + "\r\n\""
                             + s.LevelDef.toLatin1() + "\""));
    }
}

void TestEvaluation::logLines()
{
    TestPlatform p;
    AppState s;
    s.LogEnabled = -1;
    s.AutoAdvance = 1;
    s.LevelDef = QStringLiteral("0H2200601010000000000");
    s.AdvanceMinutes = 2;
    s.AdvanceNum = 20;
    s.AdvanceRight = 3;
    const QStringList records{Rec("2F5", 12, 13), Rec("2F5", 14, 15)};
    UnpackPractice(s, records.last());
    IsCurrentLevel(s);
    EvaluatePractice(s, p, records, 2, 14);
    QCOMPARE(ReadBytes(p.LogFilePath()),
             QByteArray("\"24: Auto=1 CL_num=-3 Num=-5 AdMins=2 Mins=5\"\r\n"
                        "\"    CL_Func=0 Func=2 Correct=14 Ninety=2 Adnum=20 Adright=3\"\r\n"));
}

void TestEvaluation::chart_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<double>("peak");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("lastHeight");
    QTest::addColumn<int>("redHeight");
    QTest::newRow("one record of 12") << QStringList{Rec("0K2", 12, 12)} << 15.6 << 106 << 18 << 9 << 1272 << 0;
    QTest::newRow("20 and 25") << QStringList{Rec("0K2", 20, 20), Rec("0K2", 25, 25)} << 25.0 << 66 << 30 << 15 << 1650 << 0;
    QTest::newRow("8 of 10: red 2 x S") << QStringList{Rec("0K2", 8, 10), Rec("0K2", 10, 10)} << 10.0 << 166 << 12 << 6
                                        << 1660 << 0;
    QTest::newRow("all 0: scale of a peak of 1") << QStringList{Rec("0K2", 0, 3), Rec("0K2", 0, 0)} << 0.0 << 1666 << 1
                                                 << 0 << 0 << 0;
}

void TestEvaluation::chart()
{
    QFETCH(QStringList, records);
    QFETCH(double, peak);
    QFETCH(int, scale);
    QFETCH(int, top);
    QFETCH(int, middle);
    QFETCH(int, lastHeight);
    QFETCH(int, redHeight);
    QCOMPARE(FindPeak(records, false, 0), peak);
    const ChartLayout c = LayOutChart(records, peak, 8640, 0);
    QCOMPARE(c.scale, scale);
    QCOMPARE(c.topValue, top);
    QCOMPARE(c.middleValue, middle);
    QCOMPARE(c.bars.back().blueHeight, lastHeight);
    QCOMPARE(c.bars.back().blueTop, 2800 - lastHeight + 1);
    QCOMPARE(c.bars.back().red, redHeight > 0);
    if (QTest::currentDataTag() == QByteArray("8 of 10: red 2 x S")) {
        QVERIFY(c.bars.front().red);
        QCOMPARE(c.bars.front().redHeight, 2 * scale);
        QCOMPARE(c.bars.front().redTop + c.bars.front().redHeight, c.bars.front().blueTop);
    }
}

void TestEvaluation::threeBarsAndMarker()
{
    const QStringList records{Rec("0K2", 5, 5), Rec("0K2", 6, 6), Rec("0K2", 7, 7)};
    const ChartLayout c = LayOutChart(records, 7, 8640, 6);
    QCOMPARE(c.x0, 8640 / 2.0 - 300);
    QCOMPARE(c.bars.size(), std::size_t(3));
    QCOMPARE(c.bars[0].left, 4020 + 200);
    QCOMPARE(c.bars[1].left, 4020 + 400);
    QCOMPARE(c.bars[2].left, 4020 + 600);
    QCOMPARE(c.markerLeft, 4020 + 550);
    QCOMPARE(c.recentLeft, 4020 + 200);
    // The goal line runs 200 beyond the first and last bars.
    QCOMPARE(c.goalX2, 4020);
    QCOMPARE(c.goalX1, 4020 + 600 + 135 + 200);
    QCOMPARE(c.goalY, 2800 - 6 * c.scale + 1);
}

void TestEvaluation::moreThanThirtyRecords()
{
    QStringList records;
    for (int i = 1; i <= 40; ++i)
        records << Rec("0K2", i, i);
    const ChartLayout c = LayOutChart(records, 40, 8640, 0);
    QCOMPARE(c.bars.size(), std::size_t(30));
    QCOMPARE(c.firstShown, 10);
    QCOMPARE(c.x0, 4320.0 - 3000);
    QCOMPARE(c.bars.back().left, 1320 + 6000);
    QCOMPARE(c.bars.back().blueHeight, 40 * c.scale);
}

void TestEvaluation::details_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("7 of 9") << "0H2200603151405007009" << QStringList{"7", "78%", "14:05", "15/03/2006"};
    QTest::newRow("half rounds to even: 1 of 8 is 12.5") << "0H2200603151405001008" << QStringList{"1", "12%", "14:05", "15/03/2006"};
    QTest::newRow("3 of 8 is 37.5") << "0H2200603151405003008" << QStringList{"3", "38%", "14:05", "15/03/2006"};
    QTest::newRow("no attempts") << "0H2200603151405000000" << QStringList{"0", "-", "14:05", "15/03/2006"};
    QTest::newRow("attempts not a number") << "0H2200603151405005x0y" << QStringList{"5", "-", "14:05", "15/03/2006"};
    QTest::newRow("not a date") << "0H2200613451405007009" << QStringList();
}

void TestEvaluation::details()
{
    QFETCH(QString, record);
    QFETCH(QStringList, lines);
    QCOMPARE(BarDetails(record, QStringLiteral("dd/MM/yyyy")), lines);
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_Evaluation.moc"
