// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// What the Progress window and its printouts say: the letter and colour of each mastery
// state, a fact's answers for the pointer, the counts and slowest facts of an operation.

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

// "2.3 s" with the decimal sign of the child's language ("2,3 s").
QString SecondsText(double seconds);

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
