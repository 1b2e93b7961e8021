// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ClassOverview.h"

#include "core/logic/FactsFile.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Mastery.h"

#include <algorithm>

namespace {
constexpr int WeekDays = 7;

// A field of a CSV row: between double quotes, its quotes doubled, when it holds a
// delimiter, a quote or a line break; as it is otherwise.
QString CsvField(const QString& value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(value.cbegin(), value.cend(), [](QChar c) { return special.contains(c); }))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvRow(const QStringList& fields)
{
    QStringList cells;
    for (const QString& f : fields)
        cells << CsvField(f);
    return cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
}
} // namespace

QString LevelText(const QString& levelDef)
{
    if (levelDef.size() < 3 || !levelDef.at(0).isDigit())
        return {};
    const PracticeFields level = ReadPractice(levelDef);
    const int table = level.TableNum;
    if (level.PracticeOp < 0 || level.PracticeOp > 3 || table < -10 || table > 10)
        return {};
    const QString kind = table == 0 ? QStringLiteral("All")
        : table > 0                 ? QStringLiteral("Up to %1").arg(table)
                                    : QStringLiteral("Just %1").arg(-table);
    return OperationCaptions[level.PracticeOp] + QStringLiteral(", ") + kind;
}

bool InLastWeek(const QString& record, const QDateTime& now)
{
    const QDateTime end = RecordTime(record);
    return end.isValid() && end > now.addDays(-WeekDays) && end <= now;
}

ChildRow OverviewRow(const QString& name, const QString& fileId, const QDateTime& now)
{
    ChildRow row;
    row.Name = name;
    row.FileId = fileId.left(3);
    PlayerSettings child;
    double colour = DefaultBackColour;
    LoadPlayerConfig(row.FileId, child, colour);
    row.Grade = child.PlayerGrade;
    row.Level = LevelText(child.LevelDef);
    QDateTime newest;
    for (const QString& record : ReadScoreHistory(PlayerScoreFile(row.FileId)).value_or(QStringList())) {
        const QDateTime end = RecordTime(record);
        if (end.isValid() && (!newest.isValid() || end > newest))
            newest = end;
        row.PracticesLast7Days += InLastWeek(record, now) ? 1 : 0;
    }
    row.LastPractice = newest.date();
    const FactsHistory facts(ReadFactsFile(PlayerFactsFile(row.FileId)).value_or(QList<FactAnswer>()));
    for (int op = 0; op < 4; ++op)
        row.KnownFacts[static_cast<size_t>(op)] = facts.Counts(op).Known;
    return row;
}

QList<ChildRow> ClassOverview(const PlayerRoster& roster, const QDateTime& now)
{
    QList<ChildRow> rows;
    for (int i = 1; i <= roster.PlayerCount && i <= MaxPlayers; ++i)
        rows << OverviewRow(roster.Players[i][0], roster.Players[i][1], now);
    return rows;
}

QByteArray OverviewCsv(const QList<ChildRow>& rows)
{
    QStringList header{QStringLiteral("Name"), QStringLiteral("Grade"), QStringLiteral("Level"),
                       QStringLiteral("Last practice"), QStringLiteral("Practices in 7 days")};
    for (const QString& op : OperationCaptions)
        header << op + QStringLiteral(" known");
    QByteArray csv = CsvRow(header);
    for (const ChildRow& row : rows) {
        QStringList fields{row.Name, row.Grade, row.Level, row.LastPractice.toString(QStringLiteral("yyyy-MM-dd")),
                           QString::number(row.PracticesLast7Days)};
        for (const int known : row.KnownFacts)
            fields << QString::number(known);
        csv += CsvRow(fields);
    }
    return csv;
}

ReportTotals TotalsOf(const QStringList& records, const QDateTime& now)
{
    ReportTotals totals;
    for (const QString& record : records) {
        const PracticeFields p = ReadPractice(record);
        for (PracticeTotals* t : {&totals.AllTime, InLastWeek(record, now) ? &totals.ThisWeek : nullptr}) {
            if (!t)
                continue;
            ++t->Practices;
            t->Minutes += p.PracticeMinutes;
            t->RightAnswers += std::max<int>(0, p.CorrectCount);
        }
    }
    return totals;
}
