// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ProgressView.h"

#include "core/logic/PracticeRecord.h"
#include "practice/logic/DrillLayout.h"
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"

#include <QLocale>
#include <algorithm>

namespace {
QString Tenths(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral(" s");
}

constexpr int SheetColumns = 3;
constexpr int SheetColumnWidth = 17;
} // namespace

QString MasteryLetter(Mastery state)
{
    switch (state) {
    case Mastery::Known: return QStringLiteral("K");
    case Mastery::Learning: return QStringLiteral("L");
    case Mastery::ToPractise: return QStringLiteral("P");
    case Mastery::NotYetAsked: break;
    }
    return QStringLiteral(".");
}

QString MasteryName(Mastery state)
{
    switch (state) {
    case Mastery::Known: return QStringLiteral("known");
    case Mastery::Learning: return QStringLiteral("learning");
    case Mastery::ToPractise: return QStringLiteral("to practise");
    case Mastery::NotYetAsked: break;
    }
    return QStringLiteral("not yet asked");
}

unsigned MasteryColour(Mastery state)
{
    switch (state) {
    case Mastery::Known: return 0x80E080;      // green
    case Mastery::Learning: return 0x80FFFF;   // yellow
    case Mastery::ToPractise: return 0x8080FF; // red
    case Mastery::NotYetAsked: break;
    }
    return 0xF0F0F0;
}

QString LegendText()
{
    QStringList parts;
    for (Mastery m : {Mastery::Known, Mastery::Learning, Mastery::ToPractise, Mastery::NotYetAsked})
        parts << MasteryLetter(m) + QLatin1Char(' ') + MasteryName(m);
    return parts.join(QStringLiteral("   "));
}

QString FactText(const Fact& fact)
{
    const ShownProblem p = ProblemOf(fact);
    return QStringLiteral("%1 %2 %3").arg(p.First).arg(OperationSign(fact.Op, 1)).arg(p.Second);
}

QString AnswersText(const Fact& fact, Mastery state, const QList<FactAnswer>& answers)
{
    QStringList lines{QStringLiteral("%1 = %2: %3").arg(FactText(fact)).arg(ProblemOf(fact).Answer).arg(MasteryName(state))};
    for (auto a = answers.crbegin(); a != answers.crend(); ++a) {
        const QString when = QLocale::c().toString(a->When, QStringLiteral("d MMM yyyy HH:mm"));
        QString what = QStringLiteral("missed (%1)"); // a line of an earlier version: nothing more is known
        if (a->Right)
            what = QStringLiteral("right in %1");
        else if (a->Shown)
            what = QStringLiteral("Show Answer (%1)");
        else if (a->Given)
            what = QStringLiteral("wrong: %1 (%2)").arg(*a->Given);
        lines << what.arg(Tenths(a->Tenths)) + QStringLiteral(", ") + when;
    }
    return lines.join(QLatin1Char('\n'));
}

QString CountsText(const MasteryCounts& counts)
{
    return QStringLiteral("Known %1   Learning %2   To practise %3   Not yet asked %4")
        .arg(counts.Known).arg(counts.Learning).arg(counts.ToPractise).arg(counts.NotYetAsked);
}

QStringList SlowestLines(const QList<SlowFact>& slowest)
{
    QStringList lines;
    for (const SlowFact& s : slowest)
        lines << QStringLiteral("%1   %2 s").arg(FactText(s.fact), -9).arg(s.AverageSeconds, 0, 'f', 1);
    return lines;
}

QStringList GridLines(const FactsHistory& history, int op)
{
    QString heading = QStringLiteral("    ");
    for (int p = 1; p <= 10; ++p)
        heading += QStringLiteral("%1").arg(p, 3);
    QStringList lines{heading};
    for (int t = 1; t <= 10; ++t) {
        QString row = QStringLiteral("%1  ").arg(t, 2);
        for (int p = 1; p <= 10; ++p) {
            const Fact f{static_cast<Int16>(op), static_cast<Int16>(t), static_cast<Int16>(p)};
            row += QStringLiteral("  ") + MasteryLetter(history.State(f));
        }
        lines << row;
    }
    return lines;
}

QStringList ChartLines(const QStringList& records, int advanceNum)
{
    constexpr int Rows = 8;
    constexpr int RowHeight = (ChartBaseline - ChartTop) / Rows;
    const ChartLayout chart = LayOutChart(records, FindPeak(records, false, advanceNum), 8640, advanceNum);
    QStringList lines;
    for (int r = 0; r < Rows; ++r) {
        const int middle = ChartTop + r * RowHeight + RowHeight / 2;
        QString line = r == 0 ? QStringLiteral("%1 |").arg(chart.topValue, 4)
                              : (r == Rows / 2 ? QStringLiteral("%1 |").arg(chart.middleValue, 4) : QStringLiteral("     |"));
        for (const ChartBar& b : chart.bars)
            line += b.blueHeight > 0 && b.blueTop <= middle ? QStringLiteral(" #") : QStringLiteral("  ");
        lines << line;
    }
    lines << QStringLiteral("   0 +") + QString(2 * static_cast<int>(chart.bars.size()), QLatin1Char('-'));
    return lines;
}

QStringList SheetPages(const QString& name, const QString& date, int op, const QList<Fact>& facts)
{
    QStringList pages;
    for (const bool answers : {false, true}) {
        QStringList lines{QStringLiteral("Name: %1").arg(name), QStringLiteral("Date: %1").arg(date),
                          OperationCaptions.value(op) + (answers ? QStringLiteral(": the answers") : QString()), QString()};
        for (int row = 0; row * SheetColumns < facts.size(); ++row) {
            QString line;
            for (int c = 0; c < SheetColumns && row * SheetColumns + c < facts.size(); ++c) {
                const Fact& f = facts.at(row * SheetColumns + c);
                const QString answer = answers ? QString::number(ProblemOf(f).Answer) : QStringLiteral("____");
                line += QStringLiteral("%1 = %2").arg(FactText(f), 8).arg(answer).leftJustified(SheetColumnWidth);
            }
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            lines << line << QString() << QString();
        }
        pages << lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    }
    return pages;
}

QStringList ReportPages(const ReportData& data, const FactsHistory& history)
{
    const auto totals = [](const char* when, const PracticeTotals& t) {
        return QStringLiteral("%1: practices %2, minutes %3, right answers %4").arg(QLatin1String(when)).arg(t.Practices).arg(t.Minutes).arg(t.RightAnswers);
    };
    QStringList first{QStringLiteral("Progress report of %1, %2").arg(data.Name, data.Date), QString(),
                      QStringLiteral("Grade: %1").arg(data.Grade), QStringLiteral("Level: %1").arg(data.Level), QString(),
                      totals("This week", data.Totals.ThisWeek), totals("In all", data.Totals.AllTime)};
    // One chart per kind of practice, the kind practised last first.
    QStringList keys;
    for (auto r = data.History.crbegin(); r != data.History.crend(); ++r)
        if (const QString key = DefinitionKey(*r); !keys.contains(key))
            keys << key;
    for (const QString& key : keys) {
        QStringList set;
        for (const QString& r : data.History)
            if (InSet(r, key))
                set << r;
        const PracticeFields f = ReadPractice(set.constLast());
        first << QString() << QStringLiteral("%1, %2 minutes: right answers of the latest practices")
                                  .arg(LevelText(set.constLast())).arg(f.PracticeMinutes);
        first << ChartLines(set, data.AdvanceNum);
    }
    QStringList grids{QStringLiteral("Facts of %1 (rows: tables, columns: the other number)").arg(data.Name), LegendText()};
    for (int op = 0; op < 4; ++op)
        grids << QString() << OperationCaptions.at(op) + QStringLiteral(": ") + CountsText(history.Counts(op)) << GridLines(history, op);
    return {first.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), grids.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
}

QString PrintPages(PrinterDevice& printer, const QStringList& pages, int points)
{
    printer.SetFontSize(points);
    for (const QString& page : pages) {
        printer.Print(page);
        printer.NewPage();
    }
    return printer.EndDoc();
}
