// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ProgressView.h"

#include "practice/logic/DrillLayout.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

QString SecondsText(double seconds)
{
    return QLocale().toString(seconds, 'f', 1) + QStringLiteral(" s");
}

QString MasteryLetter(Mastery state)
{
    switch (state) {
    case Mastery::Known: return QCoreApplication::translate("ProgressView", "K");
    case Mastery::Learning: return QCoreApplication::translate("ProgressView", "L");
    case Mastery::ToPractise: return QCoreApplication::translate("ProgressView", "P");
    case Mastery::NotYetAsked: break;
    }
    return QStringLiteral(".");
}

QString MasteryName(Mastery state)
{
    switch (state) {
    case Mastery::Known: return QCoreApplication::translate("ProgressView", "known");
    case Mastery::Learning: return QCoreApplication::translate("ProgressView", "learning");
    case Mastery::ToPractise: return QCoreApplication::translate("ProgressView", "to practise");
    case Mastery::NotYetAsked: break;
    }
    return QCoreApplication::translate("ProgressView", "not yet asked");
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
    QStringList lines{QCoreApplication::translate("ProgressView", "%1 = %2: %3")
                          .arg(FactText(fact), QString::number(ProblemOf(fact).Answer), MasteryName(state))};
    const QLocale locale;
    const QString dateFormat = QCoreApplication::translate("ProgressView", "d MMM yyyy HH:mm");
    for (auto a = answers.crbegin(); a != answers.crend(); ++a) {
        const QString when = locale.toString(a->When, dateFormat);
        const QString seconds = SecondsText(a->Tenths / 10.0);
        if (a->Right)
            lines << QCoreApplication::translate("ProgressView", "right in %1, %2").arg(seconds, when);
        else if (a->Shown)
            lines << QCoreApplication::translate("ProgressView", "Show Answer (%1)").arg(seconds) + QStringLiteral(", ")
                    + when;
        else if (a->Given)
            lines << QCoreApplication::translate("ProgressView", "wrong: %1 (%2)").arg(QString::number(*a->Given), seconds)
                    + QStringLiteral(", ") + when;
        else // a line of an earlier version: nothing more is known
            lines << QCoreApplication::translate("ProgressView", "missed (%1), %2").arg(seconds, when);
    }
    return lines.join(QLatin1Char('\n'));
}

QString CountsText(const MasteryCounts& counts)
{
    return QCoreApplication::translate("ProgressView", "Known %1   Learning %2   To practise %3   Not yet asked %4")
        .arg(counts.Known)
        .arg(counts.Learning)
        .arg(counts.ToPractise)
        .arg(counts.NotYetAsked);
}

QStringList SlowestLines(const QList<SlowFact>& slowest)
{
    QStringList lines;
    for (const SlowFact& s : slowest)
        lines << FactText(s.fact).leftJustified(9) + QStringLiteral("   ") + SecondsText(s.AverageSeconds);
    return lines;
}
