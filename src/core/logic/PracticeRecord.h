// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The 21-character practice record: operation digit, table character (code 75 + TableNum),
// minutes digit ("0" for 10), end time yyyymmddhhnn, right count and attempt count of
// three characters each. Score history lines, CurrentPractice and LevelDef all use it.

#include "core/logic/StateParts.h"

#include <QDateTime>
#include <QStringList>
#include <optional>

constexpr int PracticeRecordLength = 21;

// The four operations, in the order of PracticeOp; in English, translated with the context
// "PracticeRecord" where they are shown.
inline const QStringList OperationCaptions{QStringLiteral(QT_TRANSLATE_NOOP("PracticeRecord", "Addition")),
                                           QStringLiteral(QT_TRANSLATE_NOOP("PracticeRecord", "Subtraction")),
                                           QStringLiteral(QT_TRANSLATE_NOOP("PracticeRecord", "Multiplication")),
                                           QStringLiteral(QT_TRANSLATE_NOOP("PracticeRecord", "Division"))};
// An operation's name in the child's language ("Addition" in English); "" outside 0 to 3.
QString OperationName(int op);
// "1 minute", "5 minutes" in the child's language.
QString MinutesText(int minutes);

// The definition of a practice, with a tally of nothing yet.
PracticeFields Definition(const PracticeFields& practice);

// Packs the fields, the given time and the two counts.
QString PackPractice(const PracticeFields& fields, const QDateTime& when);

// Sets PracticeOp, TableNum, PracticeMinutes, CorrectCount and AttemptCount from a record.
// Each field is read on its own; one that cannot be read leaves its variable unchanged.
void UnpackPractice(PracticeFields& fields, QStringView packed);
// The fields of a record over all zeros.
PracticeFields ReadPractice(QStringView packed);

// A count as three characters: 7 -> "007", 1234 -> "234", -1 -> "-01", -12 -> "-12".
QString PackCount(int count);
// The three characters of a count as a number, or nothing when they are not one.
std::optional<int> ReadCount(QStringView field);

// The end time of a record (to the minute); invalid when its characters are no time.
QDateTime RecordTime(QStringView record);

// The first three characters of a record: operation, table, minutes digit.
QString DefinitionKey(const QString& record);
// Whether a record is of the set with the given key; the same as comparing the keys.
bool InSet(QStringView record, const QString& key);
// The key of a practice's definition.
QString DefinitionKey(const PracticeFields& practice);

// Appends the practice as one quoted line to the history file at `path`. False when the
// file could not be written; nothing else is changed then.
bool AppendScoreRecord(const QString& path, const PracticeFields& practice, const QDateTime& when);

class LineReader;

// Every record of a history file, oldest first; nothing when the file cannot be opened.
// Blank lines and lines too short to hold a record (a foreign or cut line) are passed
// over and stay in the file; of a file past HistoryReadLimit only the newest part is read.
std::optional<QStringList> ReadScoreHistory(const QString& path);
QStringList ReadScoreRecords(LineReader& in);
