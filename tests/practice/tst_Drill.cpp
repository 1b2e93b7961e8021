// The drill's rules: problem layouts, bars, goal, clock and answer checking.
#include "core/logic/AppState.h"
#include "practice/logic/AnswerCheck.h"
#include "practice/logic/DrillBars.h"
#include "practice/logic/DrillClock.h"
#include "practice/logic/DrillLayout.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestDrill : public QObject {
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void timeBar_data();
    void timeBar();
    void correctBarHalves();
    void goal_data();
    void goal();
    void clock_data();
    void clock();
    void answers_data();
    void answers();
    void showAnswerTwice();
};

void TestDrill::layout_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("width1");
    // Label2, Label1 (the sign), Label3, the answer box, its frame Text3 and the backdrop.
    QTest::addColumn<QList<QRect>>("places");
    QTest::newRow("format 1") << 1 << 0 << QList<QRect>{{1210, 1080, 495, 480}, {1690, 1080, 255, 480},
                                                       {1930, 1080, 435, 480}, {2845, 1080, 600, 435},
                                                       {2770, 1020, 720, 555}, {1010, 880, 2835, 880}};
    QTest::newRow("format 2") << 2 << 0 << QList<QRect>{{2400, 1080, 495, 480}, {2880, 1080, 255, 480},
                                                       {3120, 1080, 435, 480}, {1470, 1080, 600, 435},
                                                       {1395, 1020, 720, 555}, {1195, 820, 2760, 955}};
    QTest::newRow("format 3") << 3 << 0 << QList<QRect>{{2225, 700, 495, 480}, {1960, 1120, 255, 480},
                                                       {2285, 1120, 435, 480}, {2120, 1780, 600, 435},
                                                       {2070, 1720, 720, 555}, {1760, 500, 1430, 1975}};
    QTest::newRow("format 1, wide first number grows leftwards")
        << 1 << 700 << QList<QRect>{{1005, 1080, 700, 480}, {1690, 1080, 255, 480}, {1930, 1080, 435, 480},
                                    {2845, 1080, 600, 435}, {2770, 1020, 720, 555}, {805, 880, 3040, 880}};
    QTest::newRow("format 3, wide first number keeps its right edge")
        << 3 << 700 << QList<QRect>{{2020, 700, 700, 480}, {1960, 1120, 255, 480}, {2285, 1120, 435, 480},
                                    {2120, 1780, 600, 435}, {2070, 1720, 720, 555}, {1760, 500, 1430, 1975}};
}

void TestDrill::layout()
{
    QFETCH(int, format);
    QFETCH(int, width1);
    QFETCH(QList<QRect>, places);
    const ProblemLayout l = LayOutProblem(format, 0, width1, 0);
    QCOMPARE((QList<QRect>{l.label2, l.label1, l.label3, l.useText2 ? l.text2 : l.text1, l.text3, l.backdrop}), places);
    QCOMPARE(l.showLine1, format == 3);
    QCOMPARE(l.rightAligned, format == 3);
    QCOMPARE(l.showLabel4, format != 3);
    if (format != 3)
        QCOMPARE(l.label4, QRect(format == 1 ? 2410 : 2160, 1080, 255, 480));
}

void TestDrill::timeBar_data()
{
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("review");
    QTest::newRow("last tick: empty") << 0 << 1 << 0 << true;
    QTest::newRow("ten minutes, 300 left") << 300 << 10 << 727 << false;
    QTest::newRow("ten minutes, 299 left") << 299 << 10 << 725 << true;
}

void TestDrill::timeBar()
{
    QFETCH(int, secondsLeft);
    QFETCH(int, minutes);
    QFETCH(int, height);
    QFETCH(bool, review);
    QCOMPARE(TimeBarHeight(secondsLeft, minutes), height);
    QCOMPARE(InReview(secondsLeft, minutes), review);
}

void TestDrill::correctBarHalves()
{
    CorrectBar bar = CorrectBar::ForGoal(10);
    QCOMPARE(bar.baseline, 2175);
    QCOMPARE(bar.goalY, 1156.5);
    QCOMPARE(bar.Height(10), 1018);
    QCOMPARE(bar.Height(14), 1425);
    // 15 of a goal of 10 (about 1.43 times) would outgrow the column.
    QCOMPARE(bar.Height(15), 763);
    QCOMPARE(bar.goalY, 1666.0);
    QCOMPARE(bar.Height(20), 1018);
    // It halves again further on.
    QCOMPARE(bar.Height(29), 738);
    QCOMPARE(bar.goalY, 1921.0);
    QCOMPARE(bar.Height(-2), 0);
}

void TestDrill::goal_data()
{
    QTest::addColumn<bool>("haveFile");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<int>("autoAdvance");
    QTest::addColumn<int>("advanceMinutes");
    QTest::addColumn<int>("goal");
    QTest::addColumn<QByteArray>("log");
    const QStringList history{"2F1200603151405012013", "2F1200603161405017020", "2F2200603161405030030",
                              "0F1200603161405040040", "2F1200603171405009009"};
    QTest::newRow("best of the same definition") << true << history << 0 << 2 << 17 << QByteArray();
    QTest::newRow("target above the best") << true << history << 1 << 1 << 20 << QByteArray("\"23 x = 20\"\r\n");
    QTest::newRow("target scaled by minutes") << true << history << 1 << 2 << 17 << QByteArray("\"23 x = 10\"\r\n");
    QTest::newRow("no history file, even with advancement") << false << QStringList() << 1 << 1 << 0 << QByteArray();
    QTest::newRow("criterion without minutes") << true << history << 1 << 0 << 17 << QByteArray();
}

void TestDrill::goal()
{
    QFETCH(bool, haveFile);
    QFETCH(QStringList, records);
    QFETCH(int, autoAdvance);
    QFETCH(int, advanceMinutes);
    QFETCH(int, goal);
    QFETCH(QByteArray, log);
    TestPlatform p;
    AppState s;
    s.LogEnabled = -1;
    s.PracticeOp = 2;
    s.TableNum = -5;
    s.PracticeMinutes = 1;
    s.AutoAdvance = autoAdvance;
    s.AdvanceNum = 20;
    s.AdvanceMinutes = advanceMinutes;
    const std::optional<QStringList> history = haveFile ? std::optional<QStringList>(records) : std::nullopt;
    QCOMPARE(int(FindGoal(s, p, history)), goal);
    QCOMPARE(ReadBytes(p.LogFilePath()), log);
}

void TestDrill::clock_data()
{
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("due");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("early timer") << qint64(998) << 0 << 0 << qint64(2);
    QTest::newRow("late tick does not delay the next") << qint64(1300) << 1 << 0 << qint64(700);
    QTest::newRow("busy machine: three seconds due") << qint64(4200) << 1 << 3 << qint64(0);
    QTest::newRow("a minute exactly") << qint64(60000) << 59 << 1 << qint64(0);
}

void TestDrill::clock()
{
    QFETCH(qint64, now);
    QFETCH(int, done);
    QFETCH(int, due);
    QFETCH(qint64, wait);
    const qint64 start = 5000;
    QCOMPARE(TicksDue(start, start + now, done), due);
    QCOMPARE(MsUntilNextTick(start, start + now, done), wait);
}

void TestDrill::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("right");
    QTest::newRow("empty box") << "" << int(Verdict::Ignored) << 0 << 0;
    QTest::newRow("leading zero") << "035" << int(Verdict::Right) << 1 << 1;
    QTest::newRow("wrong") << "36" << int(Verdict::Wrong) << 1 << 0;
    QTest::newRow("too big for 16 bits") << "99999" << int(Verdict::Ignored) << 0 << 0;
}

void TestDrill::answers()
{
    QFETCH(QString, typed);
    QFETCH(int, verdict);
    QFETCH(int, attempts);
    QFETCH(int, right);
    AppState s;
    ProblemState p;
    p.Answer = 35;
    p.PrevTableValue = 5;
    p.PrevPartnerValue = 7;
    QCOMPARE(int(CheckAnswer(s, p, typed)), verdict);
    QCOMPARE(int(s.AttemptCount), attempts);
    QCOMPARE(int(s.CorrectCount), right);
    QCOMPARE(p.MissedFacts, verdict == int(Verdict::Wrong) ? QStringList{"0507"} : QStringList());
}

void TestDrill::showAnswerTwice()
{
    AppState s;
    ProblemState p;
    p.Answer = 12;
    QCOMPARE(ShowAnswer(s, p), QStringLiteral("12"));
    QCOMPARE(ShowAnswer(s, p), QStringLiteral("12"));
    QCOMPARE(int(s.CorrectCount), -2);
    QCOMPARE(int(s.AttemptCount), 0);
}

QTEST_GUILESS_MAIN(TestDrill)
#include "tst_Drill.moc"
