// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The drill's two bars, in twips: the time bar shrinking from the top of its column, and
// the correct bar growing towards the goal line from the child's best earlier result.

#include "core/logic/StateParts.h"
#include "core/logic/Platform.h"
#include "core/logic/PracticeRecord.h"

#include <QStringList>
#include <optional>

// The column both bars share (Label8).
constexpr int ColumnTop = 720;
constexpr int ColumnHeight = 1455;

// Height of the time bar with so many seconds left of a drill of so many minutes.
int TimeBarHeight(int secondsLeft, int drillMinutes);
// The review of missed facts starts once fewer than half the seconds are left.
bool InReview(int secondsLeft, int drillMinutes);

// The goal of the correct bar: the best right count among the records of the practice's
// definition, raised to the advancement target when automatic advancement is on. No
// history file means no goal at all. Writes the log line "23 x = " with the target.
Int16 FindGoal(const PlayerSettings& state, const ProgramSettings& program, const PracticeFields& practice,
               const Platform& platform,
               const std::optional<QStringList>& history);

struct CorrectBar {
    int baseline = ColumnTop + ColumnHeight;
    double scale = 0;  // twips per right answer
    double goalY = 0;  // where the goal line stands

    // Sets the scale so the goal sits at 70% of the column.
    static CorrectBar ForGoal(int goalCount);
    // The bar's height for a right count; when it would outgrow the column the scale
    // halves and the goal line drops to half its height (this can happen again later).
    // A negative count shows no bar.
    int Height(int correctCount);
};
