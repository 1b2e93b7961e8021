// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// What the Progress window and its printouts say: the letter and colour of each mastery
// state, a fact's answers for the pointer, the counts and slowest facts of an operation,
// the grid as text, and the pages of the practice sheet and the progress report.

#include "core/logic/PrinterDevice.h"
#include "scores/logic/ClassOverview.h"
#include "scores/logic/Mastery.h"

#include <QDate>
#include <QStringList>

// The grid in twips: 10 rows (tables) by 10 columns (partners), a heading row and column.
constexpr int GridLeft = 240;
constexpr int GridTop = 840;
constexpr int GridCell = 330;

// Each state has a letter as well as a colour, so the grid reads without colours too.
QString MasteryLetter(Mastery state);
QString MasteryName(Mastery state);
unsigned MasteryColour(Mastery state); // RGB, red in the low byte
// "K known   L learning   P to practise   . not yet asked"
QString LegendText();

// "7 x 8", "56 / 7": the problem as the drill shows it.
QString FactText(const Fact& fact);
// The fact with its answer and state, then one line per answer, newest first:
// "right in 2.1 s, 7 Dec 2026 14:30", "wrong: 54 (4.0 s), ...", "Show Answer (1.4 s), ...", or
// "missed (4.0 s), ..." for an answer of which the facts file does not tell more.
QString AnswersText(const Fact& fact, Mastery state, const QList<FactAnswer>& answers);
// "Known 12   Learning 3   To practise 2   Not yet asked 83"
QString CountsText(const MasteryCounts& counts);
// One line per slow fact: "7 x 8   4.3 s".
QStringList SlowestLines(const QList<SlowFact>& slowest);

// The operation's grid in letters, a heading row of partners and a table number per row.
QStringList GridLines(const FactsHistory& history, int op);

// A chart of a set of records (the score window's), as text rows of "#" from the top down,
// with the right count of the highest bar on the left.
QStringList ChartLines(const QStringList& records, int advanceNum);

// The practice sheet: page 1 the problems with lines for the answers under the child's name
// and the date, page 2 the same problems with their answers. Three columns of ten.
QStringList SheetPages(const QString& name, const QString& date, int op, const QList<Fact>& facts);

struct ReportData {
    QString Name, Grade, Level, Date;
    QStringList History; // the score history, file order
    int AdvanceNum = 0;
    ReportTotals Totals;
};
// The report in pages: name, grade, level and totals, a chart per kind of practice done
// (its latest practices), then the four grids with their counts.
QStringList ReportPages(const ReportData& data, const FactsHistory& history);

// Prints pages one after the other in the given size; "" when it went, otherwise what to tell.
QString PrintPages(PrinterDevice& printer, const QStringList& pages, int points);
constexpr int SheetPoints = 16;
constexpr int ReportPoints = 9;
