// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/ClassOverview.h"

#include "core/logic/FactsFile.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"
#include "scores/logic/Mastery.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace {
constexpr int WeekDays = 7;
constexpr char StampFormat[] = "yyyyMMddHHmm";

// A record's end time as it stands in the record, yyyymmddhhnn, which sorts as the times do;
// nothing when it is no time. Compared as text, a long history needs no date conversions,
// each of which would look up the time zone.
std::optional<QStringView> EndStamp(QStringView record)
{
    if (record.size() < 15)
        return std::nullopt;
    const QStringView stamp = record.mid(3, 12);
    int n[5] = {};
    const int widths[5] = {4, 2, 2, 2, 2};
    for (int i = 0, at = 0; i < 5; at += widths[i++]) {
        for (const QChar c : stamp.mid(at, widths[i])) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
            n[i] = n[i] * 10 + (c.unicode() - '0');
        }
    }
    if (!QDate::isValid(n[0], n[1], n[2]) || !QTime::isValid(n[3], n[4], 0))
        return std::nullopt;
    return stamp;
}

// The seven days up to now, as the stamps of records bound them.
struct LastWeek {
    explicit LastWeek(const QDateTime& now)
        : after(now.addDays(-WeekDays).toString(QLatin1String(StampFormat)))
        , upTo(now.toString(QLatin1String(StampFormat)))
    {
    }
    bool Holds(QStringView stamp) const { return stamp > after && stamp <= upTo; }
    QString after, upTo;
};

QByteArray CsvRow(const QStringList& fields)
{
    QStringList cells;
    for (const QString& f : fields)
        cells << CsvField(f);
    return cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
}
} // namespace

QString CsvField(const QString& value)
{
    // What a spreadsheet could run as a formula, a leading tab or CR included, is made text.
    static const QString formula = QStringLiteral("=+-@\t\r");
    QString field = !value.isEmpty() && formula.contains(value.front()) ? QLatin1Char('\'') + value : value;
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return special.contains(c); }))
        return field;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QList<OverviewField> OverviewFields()
{
    QList<OverviewField> fields{{OverviewColumn::Name}, {OverviewColumn::Grade}, {OverviewColumn::Level},
                                {OverviewColumn::LastPractice}, {OverviewColumn::Practices}};
    for (int op = 0; op < 4; ++op)
        fields << OverviewField{OverviewColumn::Known, op} << OverviewField{OverviewColumn::Fluency, op};
    return fields;
}

QString OverviewHeading(const OverviewField& field)
{
    switch (field.Column) {
    case OverviewColumn::Name: return QCoreApplication::translate("ClassOverview", "Name");
    case OverviewColumn::Grade: return QCoreApplication::translate("ClassOverview", "Grade");
    case OverviewColumn::Level: return QCoreApplication::translate("ClassOverview", "Level");
    case OverviewColumn::LastPractice: return QCoreApplication::translate("ClassOverview", "Last practice");
    case OverviewColumn::Practices: return QCoreApplication::translate("ClassOverview", "Practices in 7 days");
    case OverviewColumn::Known: return QCoreApplication::translate("ClassOverview", "%1 known").arg(OperationName(field.Op));
    case OverviewColumn::Fluency: break;
    }
    return QCoreApplication::translate("ClassOverview", "%1 per minute").arg(OperationName(field.Op));
}

QString FluencyText(const std::optional<double>& fluency)
{
    return fluency ? QString::number(*fluency, 'f', 1) : QString();
}

QString ShownFluency(const std::optional<double>& fluency)
{
    return fluency ? QLocale().toString(*fluency, 'f', 1) : QString();
}

QString OverviewText(const ChildRow& row, const OverviewField& field)
{
    const auto op = static_cast<size_t>(std::clamp(field.Op, 0, 3));
    switch (field.Column) {
    case OverviewColumn::Name: return row.Name;
    case OverviewColumn::Grade: return row.Grade;
    case OverviewColumn::Level: return row.Level;
    case OverviewColumn::LastPractice: return row.LastPractice.toString(QStringLiteral("yyyy-MM-dd"));
    case OverviewColumn::Practices: return QString::number(row.PracticesLast7Days);
    case OverviewColumn::Known: return QString::number(row.KnownFacts[op]);
    case OverviewColumn::Fluency: break;
    }
    return FluencyText(row.Fluency[op]);
}

QString LevelText(const QString& levelDef)
{
    if (levelDef.size() < 3 || !levelDef.at(0).isDigit())
        return {};
    const PracticeFields level = ReadPractice(levelDef);
    const int table = level.TableNum;
    if (level.PracticeOp < 0 || level.PracticeOp > 3 || table < -10 || table > 10)
        return {};
    const QString kind = table == 0 ? QCoreApplication::translate("ClassOverview", "All")
        : table > 0                 ? QCoreApplication::translate("ClassOverview", "Up to %1").arg(table)
                                    : QCoreApplication::translate("ClassOverview", "Just %1").arg(-table);
    return OperationName(level.PracticeOp) + QStringLiteral(", ") + kind;
}

bool InLastWeek(const QString& record, const QDateTime& now)
{
    const std::optional<QStringView> end = EndStamp(record);
    return end && LastWeek(now).Holds(*end);
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
    const LastWeek week(now);
    QStringView newest;
    const QStringList records = ReadScoreHistory(PlayerScoreFile(row.FileId)).value_or(QStringList());
    for (const QString& record : records) {
        const std::optional<QStringView> end = EndStamp(record);
        if (!end)
            continue;
        newest = std::max(newest, *end);
        row.PracticesLast7Days += week.Holds(*end) ? 1 : 0;
    }
    row.LastPractice = QDate::fromString(newest.left(8).toString(), QStringLiteral("yyyyMMdd"));
    const FactsHistory facts(ReadFactsFile(PlayerFactsFile(row.FileId)).value_or(QList<FactAnswer>()));
    for (int op = 0; op < 4; ++op) {
        row.KnownFacts[static_cast<size_t>(op)] = facts.Counts(op).Known;
        row.Fluency[static_cast<size_t>(op)] = facts.Fluency(op);
    }
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
    const QList<OverviewField> fields = OverviewFields();
    QStringList header;
    for (const OverviewField& f : fields)
        header << OverviewHeading(f);
    QByteArray csv = "\xEF\xBB\xBF" + CsvRow(header);
    for (const ChildRow& row : rows) {
        QStringList cells;
        for (const OverviewField& f : fields)
            cells << OverviewText(row, f);
        csv += CsvRow(cells);
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
