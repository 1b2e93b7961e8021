// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// What a child knows, fact by fact, from the answers of the facts file.
//
// A fact is an operation with its table number T and partner number P (both 1..10), the
// pair the drill draws; the grid cell of a fact is row T, column P. The problem shown is
// T + P, (T + P) - T, T x P or (T x P) / T.
//
// The state of a fact, from its last three answers (newest decides first):
// - not yet asked: no answer at all;
// - to practise:   the latest answer was missed;
// - known:         the last three answers were all right at the first try, each within 3 s;
// - learning:      every other case: the latest answer was right but slow, or came after a
//                  miss among the last three, or there are fewer than three answers yet.
// So a fact missed two answers ago but right since is learning, not to practise: the child
// has shown the fact since, and a parent reads "to practise" as "still gets it wrong".

#include "core/logic/FactsFile.h"

#include <QHash>
#include <QList>
#include <array>
#include <bitset>

class Platform;

enum class Mastery { NotYetAsked, ToPractise, Learning, Known };
// The state's name for legends, the report and the manual: "Not yet asked", "To practise",
// "Learning", "Known".
QString MasteryText(Mastery state);

// A right answer counts towards "known" only within this many tenths of a second.
constexpr int KnownWithinTenths = 30;
// How many of the latest answers decide the state.
constexpr int MasteryAnswers = 3;
constexpr int FactsPerOperation = 100;

struct Fact {
    Int16 Op = 0;
    Int16 Table = 0;   // the grid row, 1..10
    Int16 Partner = 0; // the grid column, 1..10

    bool operator==(const Fact&) const = default;
};

// The fact of an answered problem; nothing for numbers no problem of the operation shows.
std::optional<Fact> FactOf(const FactAnswer& answer);
// The numbers a problem of the fact shows and its answer.
struct ShownProblem {
    Int16 First = 0;
    Int16 Second = 0;
    Int16 Answer = 0;
};
ShownProblem ProblemOf(const Fact& fact);
// The 100 facts an operation drills, row by row: T = 1 P = 1..10, then T = 2, ...
QList<Fact> DrilledFacts(int op);

// The state of a fact from its answers, oldest first.
Mastery MasteryOf(const QList<FactAnswer>& answers);

struct MasteryCounts {
    int Known = 0;
    int Learning = 0;
    int ToPractise = 0;
    int NotYetAsked = 0;
};

// Speed figures count an answer at most this long: a child called away from the screen
// should not make one fact look a thousand seconds slow.
constexpr int CountedTenthsCap = 300;
// The fluency figure of an operation: from its latest so many answers, once it has at least
// FluencyLeastAnswers of them.
constexpr int FluencyAnswers = 100;
constexpr int FluencyLeastAnswers = 10;

struct SlowFact {
    Fact fact;
    double AverageSeconds = 0; // of the right ones among its last five answers
};

// Every answer of a facts file sorted by fact, built once for a window or a report.
class FactsHistory {
public:
    explicit FactsHistory(const QList<FactAnswer>& answers = {});

    Mastery State(const Fact& fact) const;
    // The fact's answers, oldest first: at most the newest `count`.
    QList<FactAnswer> LastAnswers(const Fact& fact, int count = 5) const;
    // The average time of the right answers among the fact's last five, each counted at most
    // 30 s, in seconds; nothing when none of them was right.
    std::optional<double> AverageSeconds(const Fact& fact) const;
    MasteryCounts Counts(int op) const;
    // The slowest facts of an operation by AverageSeconds, slowest first (ties in grid order),
    // at most `count`; a fact with no right answer among its last five is not among them.
    QList<SlowFact> Slowest(int op, int count = 10) const;
    // Right answers per minute over the operation's latest 100 answers, oldest line first: the
    // right first answers divided by the minutes all of them took, each answer counted from
    // 0.1 s up to 30 s. Nothing before the operation has 10 answers.
    std::optional<double> Fluency(int op) const;

private:
    static int Index(const Fact& fact); // op * 100 + (T - 1) * 10 + (P - 1)
    std::array<QList<FactAnswer>, 4 * FactsPerOperation> byFact_;
    // Per operation, its latest answers: whether right, and the tenths counted.
    struct Timed {
        bool right;
        Int16 tenths;
    };
    std::array<QList<Timed>, 4> latest_;
};

// Tables as a set: bit n for table n, 1..10.
using TableSet = std::bitset<11>;
// The tables of a practice's TableNum: 0 all, n up to n, -n just n; none for another number.
TableSet TablesOf(int tableNum);

// The facts of a practice sheet: `count` facts of the operation from the given tables (all
// ten when none is given), weakest first: each fact to practise twice, then those being
// learnt, then those not yet asked, then the known ones, slowest first within each; when
// the tables hold too few, they come round again in that order. Then put in an order of the
// platform's random numbers, so the sheet does not run down the grid, with the two of a
// fact not side by side.
QList<Fact> PracticeSheetFacts(const FactsHistory& history, int op, TableSet tables, Platform& platform, int count = 30);

// How many facts of the tables were known at the end of each week, from the week of the
// operation's first answer to the week ending `now`: weeks of seven days counted back from
// `now`, oldest first. Empty when the operation has no answer.
struct WeekPoint {
    QDate End;
    int Known = 0;
};
QList<WeekPoint> KnownByWeek(const FactsHistory& history, int op, TableSet tables, const QDateTime& now);
