// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/DrillBars.h"

#include "core/logic/ActivityLog.h"
#include "core/logic/PracticeRecord.h"

#include <algorithm>
#include <cmath>

int TimeBarHeight(int secondsLeft, int drillMinutes)
{
    if (drillMinutes <= 0)
        return 0;
    return static_cast<int>(std::floor(static_cast<double>(secondsLeft) / (drillMinutes * 60) * ColumnHeight));
}

bool InReview(int secondsLeft, int drillMinutes)
{
    return secondsLeft < drillMinutes * 30;
}

Int16 FindGoal(const PlayerSettings& state, const ProgramSettings& program, const PracticeFields& practice,
               const Platform& platform,
               const std::optional<QStringList>& history)
{
    if (!history)
        return 0;
    const QString key = DefinitionKey(practice);
    int goal = 0;
    for (const QString& record : *history) {
        if (!InSet(record, key))
            continue;
        goal = std::max(goal, static_cast<int>(ReadPractice(record).CorrectCount));
    }
    // Without minutes for the criterion there is no rate to scale it by.
    if (state.AutoAdvance == 1 && state.AdvanceMinutes != 0) {
        const int target = static_cast<int>(
            std::floor(static_cast<double>(state.AdvanceNum) / state.AdvanceMinutes * practice.PracticeMinutes));
        QString line = QStringLiteral("23 x = ") + QString::number(target);
        LogEvent(program, platform, line);
        goal = std::max(goal, target);
    }
    return static_cast<Int16>(std::clamp(goal, 0, 32767));
}

CorrectBar CorrectBar::ForGoal(int goalCount)
{
    CorrectBar bar;
    const double goalHeight = ColumnHeight * 0.7;
    bar.scale = goalCount != 0 ? goalHeight / goalCount : 0;
    bar.goalY = bar.baseline - goalHeight;
    return bar;
}

int CorrectBar::Height(int correctCount)
{
    int h = static_cast<int>(std::floor(scale * correctCount));
    if (h > ColumnHeight) {
        scale /= 2;
        goalY = baseline - std::floor((baseline - goalY) / 2);
        h = static_cast<int>(std::floor(scale * correctCount));
    }
    return std::max(h, 0);
}
