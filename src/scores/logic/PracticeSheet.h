// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The practice sheet: 30 numbered problems of the child's own tables for a pencil, under a
// title and one line of instruction, and on page 2 the same problems with their answers.

#include "core/logic/PrinterDevice.h"
#include "scores/logic/Mastery.h"

#include <QStringList>

// The tables that are the child's own in an operation: those her level covers, those of
// every practice of the operation in her score history, and those of every fact answered.
TableSet OwnTables(int op, const QString& levelDef, const QStringList& scoreHistory, const FactsHistory& facts);

// The signs children learn: "+", "−", "×", "÷".
QString SheetSign(int op);
// "7 × 8", "56 ÷ 7"
QString SheetProblemText(const Fact& fact);

struct SheetData {
    QString Name, Date;
    int Op = 0;
    bool Vertical = false; // the numbers one above the other, as the drill's third problem format
    QList<Fact> Facts;
};

constexpr int SheetTop = 1800; // where the problems begin, below the title, name and instruction
// The blank for an answer, as wide as three digits written by a child (6 mm each) and more.
constexpr int SheetBlankWidth = 1440;
// Problems on a line: two columns of fifteen in a row, five columns of six standing.
constexpr int SheetColumns = 2;
constexpr int SheetVerticalColumns = 5;

PrintDocument SheetPages(const SheetData& sheet, QSize area);
