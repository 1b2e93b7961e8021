// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/DrillFacts.h"

#include <algorithm>

void DrillFacts::Shown(qint64 nowMs)
{
    shownMs_ = nowMs;
    waiting_ = true;
}

void DrillFacts::Answered(Int16 op, const ProblemState& problem, int given, qint64 nowMs)
{
    Keep({op, problem.ShownFirst, problem.ShownSecond, given == problem.Answer, 0, {}, false, static_cast<Int16>(given)}, nowMs);
}

void DrillFacts::AnswerShown(Int16 op, const ProblemState& problem, qint64 nowMs)
{
    Keep({op, problem.ShownFirst, problem.ShownSecond, false, 0, {}, true, std::nullopt}, nowMs);
}

void DrillFacts::Keep(FactAnswer answer, qint64 nowMs)
{
    if (!waiting_)
        return;
    waiting_ = false;
    // Rounded to the nearest tenth; a clock that went back counts as no time.
    answer.Tenths = static_cast<Int16>(std::clamp<qint64>((nowMs - shownMs_ + 50) / 100, 0, MaxFactTenths));
    answers_.push_back({answer, nowMs});
}

QList<FactAnswer> DrillFacts::Finish(const QDateTime& now, qint64 nowMs) const
{
    QList<FactAnswer> done;
    done.reserve(static_cast<qsizetype>(answers_.size()));
    for (const Pending& p : answers_) {
        FactAnswer answer = p.answer;
        // Whole seconds back from the end, as the line keeps them.
        const QDateTime at = now.addSecs(-((nowMs - p.atMs) / 1000));
        answer.When = WallClock(at.date(), at.time());
        done << answer;
    }
    return done;
}
