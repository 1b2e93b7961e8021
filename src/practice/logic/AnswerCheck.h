// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Judging what the child typed, and the practice's tally.

#include "core/logic/StateParts.h"
#include "core/logic/PracticeRecord.h"
#include "practice/logic/NextProblem.h"

#include <optional>

enum class Verdict { Ignored, Right, Wrong };

inline const QString IncorrectMessage = QStringLiteral("Incorrect.  Please try again.");

// The answer box's text as a 16-bit whole number, or nothing (empty, not a number, too big).
std::optional<int> ReadAnswer(const QString& text);

// Counts the answer: an unreadable one counts nowhere; a wrong one is a try and puts the
// fact on the list of missed facts once.
Verdict CheckAnswer(PracticeFields& tally, ProblemState& problem, const QString& text);

// "Show Answer": costs one right answer; returns the text to put in the answer box.
QString ShowAnswer(PracticeFields& tally, const ProblemState& problem);
