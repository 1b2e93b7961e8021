// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/Evaluation.h"

#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/PracticeRecord.h"
#include "core/logic/Translated.h"

#include <QCoreApplication>
#include <algorithm>

int CountNinety(const QStringList& records)
{
    int ninety = 0;
    for (const QString& record : records) {
        const PracticeFields fields = ReadPractice(record);
        const int right = fields.CorrectCount;
        const int attempts = fields.AttemptCount;
        if (right > 10 && attempts != 0 && static_cast<double>(right) / attempts > 0.9)
            ++ninety;
    }
    return ninety;
}

namespace {
// The word for a latest practice that earns no message of its own (records in file order).
QString Encouragement(const QStringList& records, int latest)
{
    if (records.size() == 1)
        return Translated("Evaluation", FirstPracticeMessage);
    int best = ReadPractice(records.first()).CorrectCount;
    for (qsizetype i = 1; i + 1 < records.size(); ++i)
        best = std::max<int>(best, ReadPractice(records.at(i)).CorrectCount);
    if (latest > best)
        return Translated("Evaluation", BeatBestMessage);
    return latest >= best - 2 ? Translated("Evaluation", CloseToBestMessage) : QString();
}
} // namespace

bool IsCurrentLevel(const PlayerSettings& state, const PracticeFields& set)
{
    const PracticeFields level = ReadPractice(state.LevelDef);
    return state.AutoAdvance == 1 && level.TableNum == set.TableNum && state.AdvanceMinutes == set.PracticeMinutes
        && level.PracticeOp == set.PracticeOp;
}

double FindPeak(const QStringList& records, bool currentLevel, int advanceNum)
{
    double peak = 0;
    bool first = true;
    for (const QString& record : records) {
        const PracticeFields fields = ReadPractice(record);
        peak = first ? fields.CorrectCount : std::max(peak, static_cast<double>(fields.CorrectCount));
        first = false;
    }
    if (records.size() == 1)
        peak *= 1.3;
    if (currentLevel && advanceNum > peak)
        peak = advanceNum;
    return peak;
}

Int16 NextLevelTable(Int16 tableNum)
{
    int t = tableNum;
    if (t == -10)
        t = 10;
    else if (t == -5)
        t = 4;
    else if (t == 5)
        t = -5;
    if (t == 10)
        t = 0;
    else if (t < 0)
        --t;
    else
        ++t;
    return static_cast<Int16>(t);
}

Evaluation EvaluatePractice(const PlayerSettings& state, const QStringList& records, int ninety, double peak,
                            const QDateTime& now)
{
    Evaluation result;
    result.AutoAdvance = state.AutoAdvance;
    if (records.isEmpty())
        return result;
    const PracticeFields latest = ReadPractice(records.last());
    if (peak == latest.CorrectCount && records.size() > 1)
        result.Message = Translated("Evaluation", BestScoreMessage);
    else
        result.Message = Encouragement(records, latest.CorrectCount);

    const PracticeFields level = ReadPractice(state.LevelDef);
    const auto n = [](int v) { return QString::number(v); };
    result.LogLines << QStringLiteral("24: Auto=") + n(state.AutoAdvance) + QStringLiteral(" CL_num=") + n(level.TableNum)
            + QStringLiteral(" Num=") + n(latest.TableNum) + QStringLiteral(" AdMins=") + n(state.AdvanceMinutes)
            + QStringLiteral(" Mins=") + n(latest.PracticeMinutes)
                    << QStringLiteral("    CL_Func=") + n(level.PracticeOp) + QStringLiteral(" Func=") + n(latest.PracticeOp)
            + QStringLiteral(" Correct=") + n(latest.CorrectCount) + QStringLiteral(" Ninety=") + n(ninety)
            + QStringLiteral(" Adnum=") + n(state.AdvanceNum) + QStringLiteral(" Adright=") + n(state.AdvanceRight);

    if (!IsCurrentLevel(state, latest))
        return result;
    if (!(latest.CorrectCount > state.AdvanceNum || ninety >= state.AdvanceRight))
        return result;

    result.Message = Translated("Evaluation", LevelGoalMessage);
    // The level record's own minutes and counts go along into the new level.
    PracticeFields next = latest;
    UnpackPractice(next, state.LevelDef);
    next.TableNum = NextLevelTable(level.TableNum);
    if (next.TableNum == 1) {
        if (next.PracticeOp < 3) {
            ++next.PracticeOp;
            next.TableNum = -1;
        } else {
            result.Message = Translated("Evaluation", AllTablesMessage);
            result.AutoAdvance = 0;
        }
    }
    result.NewLevel = PackPractice(next, now);
    return result;
}

void ApplyEvaluation(Player& player, const ProgramSettings& program, const Platform& platform, const Evaluation& result)
{
    for (const QString& line : result.LogLines)
        LogEvent(program, platform, QString(line));
    if (!result.NewLevel)
        return;
    player.Change([&result](PlayerSettings& s) {
        s.AutoAdvance = result.AutoAdvance;
        s.CurrentPractice = *result.NewLevel;
        s.LevelDef = *result.NewLevel;
    });
}
