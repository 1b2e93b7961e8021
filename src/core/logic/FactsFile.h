// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The facts file of a player (file id + ".fct"): one line per answered problem of every
// finished drill, oldest first. A line holds seven values separated by commas:
//   operation (0-3), first number, second number (as the problem showed them),
//   what came first: 1 the right answer, 0 a wrong one, 2 "Show Answer" before any answer;
//   tenths of a second from the problem's showing to it, the time of it as quoted text
//   yyyyMMddHHmmss, and the number the child typed first (empty after "Show Answer"):
//   2,7,8,0,43,"20261207143005",54
//   2,7,8,2,61,"20261207143112",
// Lines of earlier versions hold the first six values only, with 0 for anything but the right
// answer; they are read as they are: a miss of which neither the number nor the kind is known.
// Lines end in CR LF. The drill appends a whole drill's lines at once, at its end.

#include "core/logic/StateParts.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One answered problem. First and Second are the numbers as shown: for subtraction
// (T + P) and T, for division (T x P) and T.
struct FactAnswer {
    Int16 Op = 0;
    Int16 First = 0;
    Int16 Second = 0;
    bool Right = false;  // the first answer given was the right one
    Int16 Tenths = 0;    // 0..32767
    QDateTime When;      // to the second, as WallClock: show it with toString()
    bool Shown = false;  // "Show Answer" came before any answer (Right is then false)
    std::optional<Int16> Given; // the number typed first; none after "Show Answer" and in older lines

    bool operator==(const FactAnswer&) const = default;
};
Q_DECLARE_TYPEINFO(FactAnswer, Q_RELOCATABLE_TYPE);

// A time of day as the facts file holds it: the local date and time as written, with no
// time zone (held as UTC, so nothing converts it). Compare such times with each other only.
QDateTime WallClock(const QDate& date, const QTime& time);

// Longest time kept: a longer wait is stored as this.
constexpr int MaxFactTenths = 32767;

// The table and partner numbers (1..10 each) of the problem an operation shows as
// `first` and `second`; nothing when no problem of the operation shows those numbers.
struct TablePartner {
    Int16 Table = 0;
    Int16 Partner = 0;
};
std::optional<TablePartner> TableAndPartner(int op, int first, int second);

// The answer a problem of the operation expects; nothing when no problem of it shows those numbers.
std::optional<int> ExpectedAnswer(int op, int first, int second);

// The line of an answer, without its line end: of seven values when it knows the number typed
// or that "Show Answer" came first, otherwise of the six that earlier versions wrote.
QString FactLine(const FactAnswer& answer);
// The answer a line holds; nothing for a line that is not a whole, possible answer (a field
// missing or extra, an operation outside 0-3, numbers no problem of that operation shows,
// a mark other than 0 or 1, or 2 in a line of seven, a time outside 0..32767, a date that is
// no date; in a line of seven, a number typed that is not a 16-bit whole number, one that
// disagrees with the mark, or one after "Show Answer").
std::optional<FactAnswer> ReadFactLine(QByteArrayView line);

// Every good line of a file's bytes, in file order; damaged lines (NUL bytes, cut or
// overlong lines, foreign text) are passed over, the lines after them kept.
QList<FactAnswer> ReadFactLines(QByteArrayView bytes);
// Every good line of the file, oldest first; nothing when it cannot be opened. Of a file past
// HistoryReadLimit only the newest part is read.
std::optional<QList<FactAnswer>> ReadFactsFile(const QString& path);

// Appends the answers of one drill in a single append (the same safe append as the score
// history). True with nothing to append. False when the file could not be written; nothing
// of it is then left in the file.
bool AppendFacts(const QString& path, const QList<FactAnswer>& answers);
