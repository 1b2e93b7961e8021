// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/AnswerCheck.h"

#include <limits>

std::optional<int> ReadAnswer(const QString& text)
{
    const std::optional<int> value = ReadCount(text);
    if (!value || *value < std::numeric_limits<Int16>::min() || *value > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return value;
}

Verdict CheckAnswer(PracticeFields& tally, ProblemState& problem, const QString& text)
{
    const std::optional<int> value = ReadAnswer(text);
    if (!value)
        return Verdict::Ignored;
    ++tally.AttemptCount;
    if (*value == problem.Answer) {
        ++tally.CorrectCount;
        return Verdict::Right;
    }
    const QString key = FactKey(problem.PrevTableValue, problem.PrevPartnerValue);
    if (!problem.MissedFacts.contains(key))
        problem.MissedFacts.append(key);
    return Verdict::Wrong;
}

QString ShowAnswer(PracticeFields& tally, const ProblemState& problem)
{
    --tally.CorrectCount;
    return QString::number(problem.Answer);
}

AnswerNote AnswerNoteFor(bool right)
{
    // A celesta's E6, soft and short; an electric bass's A2 (110 Hz), low and a little longer.
    return right ? AnswerNote{8, 88, 70, 250} : AnswerNote{33, 45, 60, 400};
}
