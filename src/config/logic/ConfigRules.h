// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Rules of the configuration window that hold numbers: the advancement criteria by
// grade, the minutes list, the grade list, the level shown in the level lists and the
// checking of the two criteria boxes.

#include "core/logic/StateParts.h"

#include <QStringList>
#include <optional>

// Default "problems right" and "practices over 90%" for a grade.
struct Criteria {
    Int16 AdvanceNum = 0;
    Int16 AdvanceRight = 0;
};

// 10, 18, 27 for grades 1 to 3 and 36 above, each with 7; nothing for "N/A" or any grade
// that is not a whole number of at least 1 (the grade dialog stores "N/A" as "0").
std::optional<Criteria> DefaultCriteria(const QString& grade);

// The minutes list: "1 minute" to "10 minutes", then "30 minutes".
QStringList MinutesEntries();
// The entry standing for these minutes, or -1 when there is none.
int MinutesEntry(int minutes);
// The minutes an entry stands for; 0 when no entry is selected (-1).
Int16 EntryMinutes(int entry);
constexpr int ThreeMinutesEntry = 2;

// The grade list: "N/A" (in the reader's language), "1" to "6", then the player's own grade
// when it is none of these (a grade of 7 to 9 from the grade dialog), so that saving keeps it.
QStringList GradeEntries(const QString& playerGrade);
// The entry showing the player's grade: "0" and "N/A" show as "N/A"; -1 for an empty grade.
int GradeEntry(const QStringList& entries, const QString& playerGrade);
// The grade the settings file keeps for the list's first entry, in English whatever is shown.
inline const QString NoGrade = QStringLiteral("N/A");
// The grade saved for the entry chosen, which shows `shown`.
QString SavedGrade(int entry, const QString& shown);

// Which entries of the operation, kind and number lists show a level.
struct LevelEntries {
    int operation = 0; // 0 to 3
    int kind = 0;      // 0 "All", 1 "Up to", 2 "Just"
    int number = -1;   // 0 to 9, -1 for "All"
};
constexpr int KindAll = 0;
constexpr int KindUpTo = 1;
constexpr int KindJust = 2;
// An operation outside 0 to 3 (the 9 that asks for the player list) shows as Addition,
// and a table outside -10 to 10 as "All", so that no impossible level can be saved.
LevelEntries LevelShown(Int16 practiceOp, Int16 tableNum);
// The table saved for a number: negative for "Just" (kind flag 0), positive otherwise.
Int16 SavedTable(Int16 tableNum, Int16 kindFlag);

// A criterion as typed: a whole number from 0 to 999 (blanks around it allowed), or nothing.
std::optional<Int16> ReadCriterion(const QString& text);
constexpr int MaxCriterion = 999;

// What "Save" makes of the two criteria boxes: the numbers, or the box it refuses and why.
struct CriteriaCheck {
    std::optional<Criteria> values;
    int refusedBox = 0; // 1 or 2 when refused
    QString message;
    QString text2; // the second box after the check: an empty one becomes "7"
};
CriteriaCheck CheckCriteria(const QString& text1, const QString& text2);
