// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The progress report a parent keeps: the child's name, grade, level and the date with the
// totals of this week and of all time; then a page for each operation practised with its
// grid in colours and letters, the counts, the fluency and its graph by week, the score chart
// of the latest practices as the score window draws it, the facts to practise and the ten
// slowest. Every colour comes with a letter, a number or stripes, so it reads in black and white.

#include "core/logic/PrinterDevice.h"
#include "core/logic/StateParts.h"
#include "scores/logic/Mastery.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

struct ReportData {
    QString Name, Date;
    PlayerSettings Settings; // grade, level and the goal of automatic advancement
    QStringList History;     // the score history, file order
    QDateTime Now;
    QLocale Locale = QLocale::c(); // the short dates under the graph and the chart
};

// The tables the fluency counts: her level's in the level's operation, her own in another.
TableSet FluencyTables(int op, const ReportData& data, const FactsHistory& facts);
// "table 7", "tables 1 to 5", "tables 2, 3 and 7", "all tables"
QString TablesText(TableSet tables);
// The operations practised (in the score history or the answers), the level's first.
QList<int> ReportOperations(const ReportData& data, const FactsHistory& facts);

// The design's least area; a smaller one gets the pages made smaller as a whole.
constexpr QSize ReportArea(9600, 13600);
PrintDocument ReportPages(const ReportData& data, const FactsHistory& facts, QSize area);
