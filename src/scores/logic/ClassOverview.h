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

// What one child has done, from the list and the child's own files.
struct ChildRow {
    QString Name;
    QString FileId;       // the three letters
    QString Grade;
    QString Level;        // LevelText of the child's level; "" when none is set
    QDate LastPractice;   // of the newest practice; invalid when none
    int PracticesLast7Days = 0;
    std::array<int, 4> KnownFacts{}; // per operation, in the order of PracticeOp
};

// A level as words: "Multiplication, Up to 5", "Addition, All", "Division, Just 7";
// "" for a record that holds no level.
QString LevelText(const QString& levelDef);

// Whether a record's end time lies within the seven days up to `now` (now itself included).
bool InLastWeek(const QString& record, const QDateTime& now);

// One row per child of the list, in list order, from "<id>.cfg", "<id>.scr" and "<id>.fct"
// in the current (program) folder; a missing or damaged file leaves its columns empty or 0.
QList<ChildRow> ClassOverview(const PlayerRoster& roster, const QDateTime& now);
ChildRow OverviewRow(const QString& name, const QString& fileId, const QDateTime& now);

// The overview as CSV: a header row, then one row per child; CR LF after every row, a field
// holding a comma, a double quote or a line break between double quotes with its quotes
// doubled; UTF-8 without a byte-order mark. Dates as yyyy-MM-dd.
QByteArray OverviewCsv(const QList<ChildRow>& rows);

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
