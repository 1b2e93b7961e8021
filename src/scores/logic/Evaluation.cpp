#include "scores/logic/Evaluation.h"

#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "scores/logic/PracticeRecord.h"

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

bool IsCurrentLevel(AppState& state)
{
    const PracticeFields level = ReadPractice(state.LevelDef);
    state.LevelNum = level.TableNum;
    state.LevelFunc = level.PracticeOp;
    return state.AutoAdvance == 1 && state.LevelNum == state.TableNum && state.AdvanceMinutes == state.PracticeMinutes
        && state.LevelFunc == state.PracticeOp;
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

QString EvaluatePractice(AppState& state, Platform& platform, const QStringList& records, int ninety, double peak)
{
    QString message;
    if (records.isEmpty())
        return message;
    UnpackPractice(state, records.last());
    if (peak == state.CorrectCount)
        message = BestScoreMessage;
    if (records.size() == 1)
        message.clear();

    const auto n = [](int v) { return QString::number(v); };
    QString line1 = QStringLiteral("24: Auto=") + n(state.AutoAdvance) + QStringLiteral(" CL_num=") + n(state.LevelNum)
        + QStringLiteral(" Num=") + n(state.TableNum) + QStringLiteral(" AdMins=") + n(state.AdvanceMinutes)
        + QStringLiteral(" Mins=") + n(state.PracticeMinutes);
    QString line2 = QStringLiteral("    CL_Func=") + n(state.LevelFunc) + QStringLiteral(" Func=") + n(state.PracticeOp)
        + QStringLiteral(" Correct=") + n(state.CorrectCount) + QStringLiteral(" Ninety=") + n(ninety)
        + QStringLiteral(" Adnum=") + n(state.AdvanceNum) + QStringLiteral(" Adright=") + n(state.AdvanceRight);
    LogEvent(state, platform, line1);
    LogEvent(state, platform, line2);

    if (!IsCurrentLevel(state))
        return message;
    if (!(state.CorrectCount > state.AdvanceNum || ninety >= state.AdvanceRight))
        return message;

    message = LevelGoalMessage;
    UnpackPractice(state, state.LevelDef);
    state.TableNum = NextLevelTable(state.TableNum);
    if (state.TableNum == 1) {
        if (state.PracticeOp < 3) {
            ++state.PracticeOp;
            state.TableNum = -1;
        } else {
            message = AllTablesMessage;
            state.AutoAdvance = 0;
        }
    }
    state.CurrentPractice = PackPractice(state, platform.Now());
    state.LevelDef = state.CurrentPractice;
    SavePlayerConfig(state);
    return message;
}
