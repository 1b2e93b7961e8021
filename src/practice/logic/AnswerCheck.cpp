#include "practice/logic/AnswerCheck.h"

#include "scores/logic/PracticeRecord.h"

#include <limits>

std::optional<int> ReadAnswer(const QString& text)
{
    const std::optional<int> value = ReadCount(text);
    if (!value || *value < std::numeric_limits<Int16>::min() || *value > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return value;
}

Verdict CheckAnswer(AppState& state, ProblemState& problem, const QString& text)
{
    const std::optional<int> value = ReadAnswer(text);
    if (!value)
        return Verdict::Ignored;
    ++state.AttemptCount;
    if (*value == problem.Answer) {
        ++state.CorrectCount;
        return Verdict::Right;
    }
    const QString key = FactKey(problem.PrevTableValue, problem.PrevPartnerValue);
    if (!problem.MissedFacts.contains(key))
        problem.MissedFacts.append(key);
    return Verdict::Wrong;
}

QString ShowAnswer(AppState& state, const ProblemState& problem)
{
    --state.CorrectCount;
    return QString::number(problem.Answer);
}
