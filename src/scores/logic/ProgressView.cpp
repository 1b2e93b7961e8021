// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ProgressView.h"

#include "practice/logic/DrillLayout.h"

#include <QLocale>
#include <algorithm>

namespace {
QString Tenths(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral(" s");
}
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
