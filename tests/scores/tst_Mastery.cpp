// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// What a child knows, fact by fact: the mastery rule, the slowest facts, the practice sheet's
// choice, the facts known week by week, and the class overview with its CSV.
#include "core/logic/FactsFile.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/ClassOverview.h"
#include "scores/logic/Mastery.h"
#include "scores/logic/ProgressView.h"
#include "support/TestPlatform.h"

#include <QtTest>
#include <algorithm>

namespace {
// Answers to one problem: "R12" right after 1.2 s, "W5" missed after 0.5 s, "S9" "Show Answer"
// after 0.9 s; "3*R10" three times R10.
QList<FactAnswer> Answers(const QList<int>& shown, const QString& history)
{
    QList<FactAnswer> answers;
    for (const QString& word : history.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype star = word.indexOf('*');
        const QString a = word.mid(star + 1);
        for (int n = star < 0 ? 1 : word.left(star).toInt(); n > 0; --n) {
            answers << FactAnswer{Int16(shown[0]), Int16(shown[1]), Int16(shown[2]), a[0] == 'R', Int16(a.mid(1).toInt()),
                                  {}, a[0] == 'S', std::nullopt};
        }
    }
    return answers;
}
} // namespace

class TestMastery : public QObject {
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QList<int>>("shown"); // operation and the two numbers of the problem of 7 and 8
        QTest::addColumn<QString>("history");  // oldest first
        QTest::addColumn<QString>("state");
        const QList<int> times{2, 7, 8};
        QTest::newRow("never") << times << "" << "Not yet asked";
        QTest::newRow("right once, quickly") << times << "R10" << "Learning";
        QTest::newRow("three right, the last at 3.0 s") << times << "R10 R10 R30" << "Known";
        QTest::newRow("three right, the last at 3.1 s") << times << "R10 R10 R31" << "Learning";
        QTest::newRow("a miss four answers ago is forgotten") << times << "W10 R10 R10 R10" << "Known";
        QTest::newRow("a miss two answers ago, right since") << times << "R10 W10 R10 R10" << "Learning";
        QTest::newRow("just missed after three right") << times << "R10 R10 R10 W10" << "To practise";
        QTest::newRow("subtraction 15 - 7") << QList<int>{1, 15, 7} << "R1 R2 R3" << "Known";
        QTest::newRow("division 56 / 7") << QList<int>{3, 56, 7} << "W40" << "To practise";
    }
    void rule()
    {
        QFETCH(QList<int>, shown);
        QFETCH(QString, history);
        QFETCH(QString, state);
        QCOMPARE(MasteryText(FactsHistory(Answers(shown, history)).State(Fact{Int16(shown[0]), 7, 8})), state);
    }

    // The state counts and the slowest facts, on the average of their last five answers.
    void countsAndSlowest()
    {
        // Table 1 known; 3 x 4 and 5 x 6 just missed; 7 x 8 (slow long ago, 5 s in its last five answers),
        // 9 x 9, 8 x 9 and 2 x 2 learning.
        QList<FactAnswer> all = Answers({2, 3, 4}, "W10") + Answers({2, 5, 6}, "R10 W5") + Answers({2, 7, 8}, "R900 R50 R50 R50 R50 R50")
            + Answers({2, 9, 9}, "R45") + Answers({2, 8, 9}, "R42") + Answers({2, 2, 2}, "R40");
        for (int p = 1; p <= 10; ++p)
            all += Answers({2, 1, p}, "R5 R5 R5");
        const FactsHistory history(all + Answers({0, 9, 9}, "R990"));
        const QList<SlowFact> slow = history.Slowest(2, 2);
        QCOMPARE((QList<double>{slow[0].fact.Table * 10. + slow[0].fact.Partner, slow[0].AverageSeconds,
                                slow[1].fact.Table * 10. + slow[1].fact.Partner, slow[1].AverageSeconds}), (QList<double>{78, 5, 99, 4.5}));
        const MasteryCounts c = history.Counts(2);
        QCOMPARE((QList<int>{c.Known, c.Learning, c.ToPractise, c.NotYetAsked}), (QList<int>{10, 4, 2, 84}));
    }

    void sheet_data()
    {
        QTest::addColumn<int>("tables"); // her tables, one digit each ("0" for 10); 0 none
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("facts"); // chosen, in grid order
        QTest::newRow("the missed twice, then learning, then not yet asked") << 7 << 4 << "7x2 7x4 7x8 7x8";
        QTest::newRow("the slow known one before the quick one") << 7 << 10 << "7x2 7x3 7x4 7x5 7x6 7x7 7x8 7x8 7x9 7x10";
        QTest::newRow("too few: round again, never the table of 1") << 7 << 12
                                                                       << "7x1 7x2 7x3 7x4 7x5 7x6 7x7 7x8 7x8 7x8 7x9 7x10";
        QTest::newRow("no tables of her own: every table") << 0 << 3 << "7x2 7x8 7x8";
        QTest::newRow("two tables: known ones slowest first, a tie in grid order") << 17 << 12
            << "1x1 1x2 7x2 7x3 7x4 7x5 7x6 7x7 7x8 7x8 7x9 7x10";
    }
    void sheet()
    {
        QFETCH(int, tables);
        QFETCH(int, count);
        QFETCH(QString, facts);
        // 7 x 8 just missed, 7 x 2 learning, 7 x 3 known slowly, 7 x 1 known quickly; table 1 known
        // but 1 x 2 slowly; table 9 learning.
        QList<FactAnswer> all = Answers({2, 7, 8}, "R10 W10") + Answers({2, 7, 2}, "R45") + Answers({2, 7, 3}, "R25 R25 R25")
            + Answers({2, 7, 1}, "R5 R5 R5");
        for (int p = 1; p <= 10; ++p)
            all += Answers({2, 1, p}, p == 2 ? "R29 R29 R29" : "R5 R5 R5") + Answers({2, 9, p}, "R40");
        TableSet own;
        for (int t = tables; t > 0; t /= 10)
            own.set(t % 10 == 0 ? 10 : t % 10);
        TestPlatform platform;
        platform.randoms = {0.9, 0.1, 0.5, 0.3};
        QList<Fact> chosen = PracticeSheetFacts(FactsHistory(all), 2, own, platform, count);
        for (qsizetype i = 1; i < chosen.size(); ++i)
            QVERIFY2(!(chosen[i] == chosen[i - 1]), "the same problem twice in a row");
        const QList<Fact> shuffled = chosen;
        std::sort(chosen.begin(), chosen.end(), [](Fact a, Fact b) { return a.Table * 11 + a.Partner < b.Table * 11 + b.Partner; });
        QStringList names;
        for (const Fact& f : chosen)
            names << QStringLiteral("%1x%2").arg(f.Table).arg(f.Partner);
        QCOMPARE(names.join(' '), facts);
        QVERIFY(shuffled != chosen); // not down the grid
    }

    // Facts of the 7s known at the end of each week since the first answer; weeks end at the
    // time of day of now, an answer at a week's last moment counts in that week.
    void knownByWeek()
    {
        const QDateTime now(QDate(2026, 12, 7), QTime(12, 0));
        QList<FactAnswer> all;
        const auto answer = [&](int p, const char* how, const QDateTime& when, int table = 7) {
            for (FactAnswer a : Answers({2, table, p}, how))
                all += FactAnswer{a.Op, a.First, a.Second, a.Right, a.Tenths, when};
        };
        const QDateTime first = now.addDays(-14); // the end of the oldest week
        answer(9, "R10 R10 R10", first);
        answer(8, "R10", now.addDays(-13));
        answer(8, "R10", now.addDays(-6));
        answer(8, "R10", now.addDays(-5));
        answer(10, "R10 R10", now.addDays(-8));
        answer(10, "R10", now.addDays(-7));
        answer(9, "W10", now.addDays(-1));
        answer(4, "R10 R10 R10", first.addDays(-7), 3); // outside her table: the operation's first answer
        QStringList got;
        for (const WeekPoint& w : KnownByWeek(FactsHistory(all), 2, TablesOf(-7), now))
            got << w.End.toString(Qt::ISODate) + QLatin1Char(':') + QString::number(w.Known);
        QCOMPARE(got.join(' '), QStringLiteral("2026-11-16:0 2026-11-23:1 2026-11-30:2 2026-12-07:2"));
        QVERIFY(KnownByWeek(FactsHistory(all), 0, TablesOf(0), now).isEmpty());
    }

    void speed_data()
    {
        QTest::addColumn<QString>("history"); // of 2 x 6, oldest first
        QTest::addColumn<QString>("slowest"); // the slowest list's line; "" when it is not on it
        QTest::newRow("a wrong answer and a Show Answer left out")
            << "W32767 S900 R20" << "2 x 6       2.0 s";
        QTest::newRow("a right answer of 3,276.7 s counted as 30 s") << "R32767 R20" << "2 x 6       16.0 s";
        QTest::newRow("never right: not among the slowest") << "W10 S10" << "";
    }
    void speed()
    {
        QFETCH(QString, history);
        QFETCH(QString, slowest);
        const FactsHistory h(Answers({2, 2, 6}, history));
        QCOMPARE(SlowestLines(h.Slowest(2)).join('|'), slowest);
    }

    void fluency_data()
    {
        QTest::addColumn<QString>("multiplication"); // answers to 3 x 4, oldest first
        QTest::addColumn<QString>("addition");       // answers to 7 + 8
        QTest::addColumn<QString>("fluency");        // right answers per minute of multiplication
        QTest::newRow("nine answers: none yet") << "9*R20" << "10*R10" << "";
        QTest::newRow("misses count their time") << "5*R10 4*W10 S10" << "" << "30.0";
        QTest::newRow("an answer of 3,276.7 s counts 30 s") << "9*R10 R32767" << "" << "15.4";
        QTest::newRow("an answer of 0.0 s counts 0.1 s") << "10*R0" << "" << "600.0";
        QTest::newRow("the latest 100 only") << "50*W300 100*R10" << "" << "60.0";
        QTest::newRow("addition apart") << "5*R10 5*W10" << "100*R5" << "30.0";
    }
    void fluency()
    {
        QFETCH(QString, multiplication);
        QFETCH(QString, addition);
        QFETCH(QString, fluency);
        // The additions come after the multiplications: the latest answers of another operation.
        QCOMPARE(FluencyText(FactsHistory(Answers({2, 3, 4}, multiplication) + Answers({0, 7, 8}, addition)).Fluency(2)), fluency);
    }

    void lastWeek_data()
    {
        QTest::addColumn<QString>("end"); // of a record, yyyymmddhhnn; now is 7 December 2026, 14:30:25
        QTest::addColumn<bool>("inside");
        QTest::newRow("seven days ago to the minute") << "202611301430" << false;
        QTest::newRow("a minute later") << "202611301431" << true;
        QTest::newRow("this minute") << "202612071430" << true;
        QTest::newRow("the next minute") << "202612071431" << false;
        QTest::newRow("month 13") << "202613011200" << false;
    }
    void lastWeek()
    {
        QFETCH(QString, end);
        QFETCH(bool, inside);
        QCOMPARE(InLastWeek("2F1" + end + "010012", QDateTime(QDate(2026, 12, 7), QTime(14, 30, 25))), inside);
    }

    void overviewCsv_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field"); // the name in the CSV
        QTest::newRow("plain") << "Ann" << QByteArray("Ann");
        QTest::newRow("a comma") << "Smith, Ann" << QByteArray("\"Smith, Ann\"");
        QTest::newRow("quotes doubled") << "Ann \"Jo\"" << QByteArray("\"Ann \"\"Jo\"\"\"");
        QTest::newRow("a line break") << "Ann\nJo" << QByteArray("\"Ann\nJo\"");
        QTest::newRow("UTF-8") << "Zoë Ødegård" << QByteArray("Zo\xc3\xab \xc3\x98" "deg\xc3\xa5rd");
        QTest::newRow("a formula") << "=1+2" << QByteArray("'=1+2");
        QTest::newRow("a formula with quotes and a comma") << "=HYPERLINK(\"x\",\"y\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"");
        QTest::newRow("minus") << "-Ann" << QByteArray("'-Ann");
        QTest::newRow("a tab") << "\tAnn" << QByteArray("'\tAnn");
        QTest::newRow("a CR") << "\rAnn" << QByteArray("\"'\rAnn\"");
        QTest::newRow("signs inside") << "Ann-Marie=2" << QByteArray("Ann-Marie=2");
    }
    void overviewCsv()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        TestPlatform p;
        p.EnterProgramDir();
        // Grade 3 on Multiplication, Just 5; practices 8 days, 6 days and 1 day before 7 December 2026, 14:30.
        WriteBytes("AAC.cfg", "\"3\"\r\n\"\"\r\n1\r\n\"2F1200603151405000000\"\r\n20\r\n1\r\n90\r\n1\r\n12640511\r\n");
        WriteBytes("AAC.scr", "\"2F1202611291000020020\"\r\n\"0K2202612011500005006\"\r\n\"2F1202612061405010012\"\r\n");
        // 13 answers to 7 x 8: 11 right, in 13.0 s in all; the last three right within 3 s.
        QByteArray facts = "2,7,8,0,20,\"20261206140500\",54\r\n2,7,8,2,11,\"20261206140501\",\r\n";
        for (int i = 10; i < 21; ++i)
            facts += "2,7,8,1,9,\"202612061405" + QByteArray::number(i) + (i % 2 ? "\"" : "\",56") + "\r\n";
        WriteBytes("AAC.fct", facts);
        PlayerRoster roster;
        roster.PlayerCount = 2, roster.Players[1] = {"Bob", "AAB  "}, roster.Players[2] = {name, "AAC  "};
        const QDateTime now(QDate(2026, 12, 7), QTime(14, 30));
        QCOMPARE(OverviewCsv(ClassOverview(roster, now)),
                 "\xEF\xBB\xBFName,Grade,Level,Last practice,Practices in 7 days,Addition known,Addition per minute,"
                 "Subtraction known,Subtraction per minute,Multiplication known,Multiplication per minute,Division known,"
                 "Division per minute\r\nBob,,,,0,0,,0,,0,,0,\r\n"
                     + field + ",3,\"Multiplication, Just 5\",2026-12-06,2,0,,0,,1,50.8,0,\r\n");
        const ReportTotals t = TotalsOf(ReadScoreHistory("AAC.scr").value(), now);
        QCOMPARE((QList<int>{t.ThisWeek.Practices, t.ThisWeek.Minutes, t.ThisWeek.RightAnswers, t.AllTime.Practices,
                             t.AllTime.Minutes, t.AllTime.RightAnswers}),
                 (QList<int>{2, 3, 15, 3, 4, 35}));
    }
};

QTEST_GUILESS_MAIN(TestMastery)
#include "tst_Mastery.moc"
