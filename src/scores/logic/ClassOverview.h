// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A teacher's overview of every child on the list, a progress report's totals, and the
// overview as a CSV file for a spreadsheet.

#include "core/logic/StateParts.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <array>
#include <optional>

// What one child has done, from the list and the child's own files.
struct ChildRow {
    QString Name;
    QString FileId;       // the three letters
    QString Grade;
    QString Level;        // LevelText of the child's level; "" when none is set
    QDate LastPractice;   // of the newest practice; invalid when none
    int PracticesLast7Days = 0;
    std::array<int, 4> KnownFacts{}; // per operation, in the order of PracticeOp
    std::array<std::optional<double>, 4> Fluency{}; // FactsHistory::Fluency per operation
};

// The columns of the overview, in the window, the CSV file and the class report.
enum class OverviewColumn { Name, Grade, Level, LastPractice, Practices, Known, Fluency };
struct OverviewField {
    OverviewColumn Column;
    int Op = 0; // of Known and Fluency
};
// Name, grade, level, last practice, practices in 7 days, then per operation its known facts
// and its fluency figure beside them.
QList<OverviewField> OverviewFields();
// "Name", "Grade", "Level", "Last practice", "Practices in 7 days", "Addition known",
// "Addition per minute", ...
QString OverviewHeading(const OverviewField& field);
// A row's value as the table and the file show it: dates as yyyy-MM-dd, the fluency figure
// with one decimal ("12.5"), "" for what there is not.
QString OverviewText(const ChildRow& row, const OverviewField& field);
// "12.5"; "" for none.
QString FluencyText(const std::optional<double>& fluency);
// The same as the language shown writes it: "12,5" in German. The CSV file keeps the point.
QString ShownFluency(const std::optional<double>& fluency);

// A level as words: "Multiplication, Up to 5", "Addition, All", "Division, Just 7";
// "" for a record that holds no level.
QString LevelText(const QString& levelDef);

// Whether a record's end time lies within the seven days up to `now` (now itself included).
bool InLastWeek(const QString& record, const QDateTime& now);

// One row per child of the list, in list order, from "<id>.cfg", "<id>.scr" and "<id>.fct"
// in the current (program) folder; a missing or damaged file leaves its columns empty or 0.
QList<ChildRow> ClassOverview(const PlayerRoster& roster, const QDateTime& now);
ChildRow OverviewRow(const QString& name, const QString& fileId, const QDateTime& now);

// The overview as CSV: a UTF-8 byte-order mark (without it a spreadsheet may take the file
// for another encoding), a header row, then one row per child; CR LF after every row. A field
// beginning with =, +, -, @, a tab or a CR gets an apostrophe before it, so a spreadsheet
// takes it as text, never as a formula; a field holding a comma, a double quote or a line
// break stands between double quotes with its quotes doubled.
QByteArray OverviewCsv(const QList<ChildRow>& rows);
// One field of such a file.
QString CsvField(const QString& value);

// Totals of a score history for the progress report.
struct PracticeTotals {
    int Practices = 0;
    int Minutes = 0;      // the practices' lengths added up
    int RightAnswers = 0; // their right counts added up (a negative count adds nothing)
};
struct ReportTotals {
    PracticeTotals ThisWeek; // the seven days up to now, as InLastWeek
    PracticeTotals AllTime;
};
ReportTotals TotalsOf(const QStringList& records, const QDateTime& now);
