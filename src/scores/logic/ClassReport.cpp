// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ClassReport.h"

#include "core/logic/PracticeRecord.h"
#include "scores/logic/ClassOverview.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr const char* ShortOperations[] = {QT_TRANSLATE_NOOP("ClassReport", "Add."), QT_TRANSLATE_NOOP("ClassReport", "Sub."),
                                           QT_TRANSLATE_NOOP("ClassReport", "Mult."),
                                           QT_TRANSLATE_NOOP("ClassReport", "Div.")};
constexpr int LongestName = 16;
constexpr int KnownWidth = 5;
constexpr int FluencyWidth = 5;

QString ShortLevel(QString level)
{
    for (int op = 0; op < 4; ++op) {
        const QString name = OperationName(op);
        if (level.startsWith(name))
            return level.replace(0, name.size(), QCoreApplication::translate("ClassReport", ShortOperations[op]));
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

QStringList ClassReportPages(const QList<ChildRow>& rows, const QString& shownGrade, const QString& date)
{
    QStringList names, grades, levels;
    for (const ChildRow& r : rows) {
        names << Cut(r.Name, LongestName);
        grades << r.Grade;
        levels << ShortLevel(r.Level);
    }
    const QString nameHeading = QCoreApplication::translate("ClassReport", "Name");
    const QString gradeHeading = QCoreApplication::translate("ClassReport", "Grade");
    const QString levelHeading = QCoreApplication::translate("ClassReport", "Level");
    const int nameWidth = Widest(names, {nameHeading});
    const int gradeWidth = Widest(grades, {gradeHeading});
    const int levelWidth = Widest(levels, {levelHeading});
    const int dateWidth = 10;
    const int practicesWidth = 9;
    // The left part: name, grade, level, last practice, practices; then a group per operation.
    const auto left = [&](const QString& name, const QString& g, const QString& level, const QString& last,
                          const QString& practices) {
        return name.leftJustified(nameWidth) + QLatin1Char(' ') + g.leftJustified(gradeWidth) + QLatin1Char(' ')
            + level.leftJustified(levelWidth) + QLatin1Char(' ') + last.leftJustified(dateWidth) + QLatin1Char(' ')
            + practices.rightJustified(practicesWidth);
    };
    QString over = left({}, {}, {}, QCoreApplication::translate("ClassReport", "Last"),
                        QCoreApplication::translate("ClassReport", "Practices"));
    QString under = left(nameHeading, gradeHeading, levelHeading, QCoreApplication::translate("ClassReport", "practice"),
                         QCoreApplication::translate("ClassReport", "in 7 days"));
    const QString known = QCoreApplication::translate("ClassReport", "known").rightJustified(KnownWidth);
    const QString perMinute = QCoreApplication::translate("ClassReport", "/min").rightJustified(FluencyWidth);
    for (int op = 0; op < 4; ++op) {
        over += QStringLiteral("  ")
            + QCoreApplication::translate("ClassReport", ShortOperations[op]).leftJustified(KnownWidth + 1 + FluencyWidth);
        under += QStringLiteral("  ") + known + QLatin1Char(' ') + perMinute;
    }
    const QString title = shownGrade.isEmpty() ? QCoreApplication::translate("ClassReport", "All children, %1").arg(date)
                                               : QCoreApplication::translate("ClassReport", "Grade %1, %2").arg(shownGrade, date);
    QStringList lines{title, QString(), over, under};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ChildRow& r = rows[i];
        QString line = left(names[i], grades[i], levels[i], r.LastPractice.toString(QStringLiteral("yyyy-MM-dd")),
                            QString::number(r.PracticesLast7Days));
        for (size_t op = 0; op < 4; ++op)
            line += QStringLiteral("  ") + QString::number(r.KnownFacts[op]).rightJustified(KnownWidth) + QLatin1Char(' ')
                + ShownFluency(r.Fluency[op]).rightJustified(FluencyWidth);
        lines << line;
    }
    lines << QString() << QCoreApplication::translate("ClassReport", "known: facts known of the operation's 100.")
          << QCoreApplication::translate("ClassReport",
                                         "/min: right answers per minute over the operation's latest 100 answers.");
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return {lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
}
