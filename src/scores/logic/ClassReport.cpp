// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ClassReport.h"

#include "core/logic/PracticeRecord.h"

#include <algorithm>

namespace {
const QStringList ShortOperations{QStringLiteral("Add."), QStringLiteral("Sub."), QStringLiteral("Mult."),
                                  QStringLiteral("Div.")};
constexpr int LongestName = 16;
constexpr int KnownWidth = 5;
constexpr int FluencyWidth = 5;

QString ShortLevel(QString level)
{
    for (int op = 0; op < 4; ++op) {
        if (level.startsWith(OperationCaptions[op]))
            return level.replace(0, OperationCaptions[op].size(), ShortOperations[op]);
    }
    return level;
}

QString Cut(const QString& text, int width)
{
    return text.size() <= width ? text : text.left(width - 1) + QChar(0x2026);
}

// The width of a column: its widest value or heading.
int Widest(const QStringList& values, std::initializer_list<QString> headings)
{
    qsizetype width = 0;
    for (const QString& v : values)
        width = std::max(width, v.size());
    for (const QString& h : headings)
        width = std::max(width, h.size());
    return static_cast<int>(width);
}
} // namespace

QStringList ClassReportPages(const QList<ChildRow>& rows, const QString& grade, const QString& date)
{
    QStringList names, grades, levels;
    for (const ChildRow& r : rows) {
        names << Cut(r.Name, LongestName);
        grades << r.Grade;
        levels << ShortLevel(r.Level);
    }
    const int nameWidth = Widest(names, {QStringLiteral("Name")});
    const int gradeWidth = Widest(grades, {QStringLiteral("Grade")});
    const int levelWidth = Widest(levels, {QStringLiteral("Level")});
    const int dateWidth = 10;
    const int practicesWidth = 9;
    // The left part: name, grade, level, last practice, practices; then a group per operation.
    const auto left = [&](const QString& name, const QString& g, const QString& level, const QString& last,
                          const QString& practices) {
        return name.leftJustified(nameWidth) + QLatin1Char(' ') + g.leftJustified(gradeWidth) + QLatin1Char(' ')
            + level.leftJustified(levelWidth) + QLatin1Char(' ') + last.leftJustified(dateWidth) + QLatin1Char(' ')
            + practices.rightJustified(practicesWidth);
    };
    QString over = left({}, {}, {}, QStringLiteral("Last"), QStringLiteral("Practices"));
    QString under = left(QStringLiteral("Name"), QStringLiteral("Grade"), QStringLiteral("Level"),
                         QStringLiteral("practice"), QStringLiteral("in 7 days"));
    for (int op = 0; op < 4; ++op) {
        over += QStringLiteral("  ") + ShortOperations[op].leftJustified(KnownWidth + 1 + FluencyWidth);
        under += QStringLiteral("  ") + QStringLiteral("known").rightJustified(KnownWidth) + QLatin1Char(' ')
            + QStringLiteral("/min").rightJustified(FluencyWidth);
    }
    const QString title = grade.isEmpty() ? QStringLiteral("All children, %1").arg(date)
                                          : QStringLiteral("Grade %1, %2").arg(grade, date);
    QStringList lines{title, QString(), over, under};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ChildRow& r = rows[i];
        QString line = left(names[i], grades[i], levels[i], r.LastPractice.toString(QStringLiteral("yyyy-MM-dd")),
                            QString::number(r.PracticesLast7Days));
        for (size_t op = 0; op < 4; ++op)
            line += QStringLiteral("  ") + QString::number(r.KnownFacts[op]).rightJustified(KnownWidth) + QLatin1Char(' ')
                + FluencyText(r.Fluency[op]).rightJustified(FluencyWidth);
        lines << line;
    }
    lines << QString() << QStringLiteral("known: facts known of the operation's 100.")
          << QStringLiteral("/min: right answers per minute over the operation's latest 100 answers.");
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return {lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
}
