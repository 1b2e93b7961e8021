// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Judging what the child typed, and the practice's tally.

#include "core/logic/StateParts.h"
#include "core/logic/PracticeRecord.h"
#include "practice/logic/NextProblem.h"

#include <optional>

enum class Verdict { Ignored, Right, Wrong };

inline constexpr char IncorrectMessage[] = QT_TRANSLATE_NOOP("AnswerCheck", "Incorrect.  Please try again.");
// What the feedback line shows, in green, for a moment after a right answer.
inline constexpr char RightSign[] = QT_TRANSLATE_NOOP("AnswerCheck", "✓ Right!");
constexpr int RightSignMs = 500;

// The note that answers an answer when the child's answer sounds are on, on a MIDI channel
// the tunes leave free: a soft high note for a right answer, a low one for a wrong one.
struct AnswerNote {
    int program; // General MIDI instrument, from 0
    int key;
    int velocity;
    int ms;      // until the note is let go
};
constexpr int AnswerChannel = 15;
AnswerNote AnswerNoteFor(bool right);

// The answer box's text as a 16-bit whole number, or nothing (empty, not a number, too big).
std::optional<int> ReadAnswer(const QString& text);

// Counts the answer: an unreadable one counts nowhere; a wrong one is a try and puts the
// fact on the list of missed facts once.
Verdict CheckAnswer(PracticeFields& tally, ProblemState& problem, const QString& text);

// "Show Answer": costs one right answer; returns the text to put in the answer box.
QString ShowAnswer(PracticeFields& tally, const ProblemState& problem);
