// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Judging a finished practice against the set it belongs to: the best-score message,
// the goal of the player's level and the climb up the ladder of levels.

#include "core/logic/Player.h"
#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"
#include "core/logic/PracticeRecord.h"

#include <QStringList>
#include <optional>

// The messages in English; Evaluation's Message holds them in the child's language. The last
// three are for where none of the first three applies: the first practice of a set, a latest
// practice that beats the earlier best (on the current level, below its goal) or comes within
// two of it.
inline const QString BestScoreMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "Good job!  You just got your best score!"));
inline const QString LevelGoalMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "Congratulations! You have met the goal for this level!"));
inline const QString AllTablesMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "Congratulations!!! You've met the goals for all your tables!"));
inline const QString FirstPracticeMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "Great start!  You finished your first practice of this kind!"));
inline const QString BeatBestMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "Good job!  You beat your best score!  Now for the goal!"));
inline const QString CloseToBestMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Evaluation", "So close!  Just a little more to beat your best score!"));

// Records of a set that count towards the criterion "exercises with 90% correct": more
// than 10 right and strictly more than 90% of the attempts.
int CountNinety(const QStringList& records);

// Whether a set is the player's current level (LevelDef) with automatic advancement on.
bool IsCurrentLevel(const PlayerSettings& state, const PracticeFields& set);

// The greatest right count of the set; a lone record's is raised by 30%; on the current
// level the advancement goal counts too.
double FindPeak(const QStringList& records, bool currentLevel, int advanceNum);

// The table of the next level of an operation: Just 1..4 -> next Just, Just 5 -> Up to 5,
// Up to 5 -> Just 6, ..., Just 10 -> All, Up to n -> Up to n + 1, Up to 10 -> All, All -> 1.
Int16 NextLevelTable(Int16 tableNum);

// What the evaluation of a set decided; nothing of it is stored until it is applied.
struct Evaluation {
    QString Message;           // for the score window, translated; "" for none
    QStringList LogLines;      // the two lines for the activity log
    std::optional<QString> NewLevel; // the next level, stamped `now`, when the goal was met
    Int16 AutoAdvance = 0;     // 0 once every level is done
};

// The evaluation of the set's latest record (records in file order).
Evaluation EvaluatePractice(const PlayerSettings& state, const QStringList& records, int ninety, double peak,
                            const QDateTime& now);
// Writes the log lines and, for a new level, stores it as the player's level and next
// practice in the settings file.
void ApplyEvaluation(Player& player, const ProgramSettings& program, const Platform& platform, const Evaluation& result);
