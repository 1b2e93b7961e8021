// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// What a drill remembers of each problem for the facts file: the first answer to it and
// how long the child took, on the platform's monotonic clock.

#include "core/logic/FactsFile.h"
#include "practice/logic/NextProblem.h"

#include <vector>

class DrillFacts {
public:
    // A problem was put on the screen at `nowMs`.
    void Shown(qint64 nowMs);
    // A number was typed and judged; right when it is the problem's answer.
    // Only the first answer to a problem is kept; later ones change nothing.
    void Answered(Int16 op, const ProblemState& problem, int given, qint64 nowMs);
    // "Show Answer" was pressed: the first answer, unless one was typed before.
    void AnswerShown(Int16 op, const ProblemState& problem, qint64 nowMs);
    // The answers of the drill with the time of day of each, counted back from the end of
    // the drill (`now` on the wall clock, `nowMs` on the monotonic one).
    QList<FactAnswer> Finish(const QDateTime& now, qint64 nowMs) const;
    int Count() const { return static_cast<int>(answers_.size()); }

private:
    void Keep(FactAnswer answer, qint64 nowMs);

    struct Pending {
        FactAnswer answer;
        qint64 atMs = 0;
    };
    std::vector<Pending> answers_;
    qint64 shownMs_ = 0;
    bool waiting_ = false; // a problem is shown that has no answer yet
};
