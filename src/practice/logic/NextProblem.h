// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Problem generation for the drill: the next fact of the practice and how it is shown.
// A fact is a table number and a partner number, both 1..10; the operation only decides
// how the pair is shown and what the answer is.

#include "core/logic/Platform.h"
#include "core/logic/PracticeRecord.h"

#include <QStringList>
#include <array>

// What the drill window keeps for one practice; a fresh one is all zeros and empty.
struct ProblemState {
    Int16 TableValue = 0;
    Int16 PartnerValue = 0;
    Int16 PrevTableValue = 0;
    Int16 PrevPartnerValue = 0;
    Int16 ShownFirst = 0;
    Int16 ShownSecond = 0;
    Int16 Answer = 0;
    // [table 0..10][partner 0..10]: 1 = asked in the current round.
    std::array<std::array<Int16, 11>, 11> AskedFacts{};
    // Distinct fact keys of wrongly answered facts not yet asked again.
    QStringList MissedFacts;
    // 1 once less than half of the practice time is left (set by the drill's clock).
    Int16 ReviewMode = 0;
};

// Four characters: table and partner, two digits each ("0703", "1010").
QString FactKey(int table, int partner);

// Picks the next fact (a missed one in review, otherwise a random one not asked this
// round) of the practice's table, marks it asked, makes it the previous fact and fills
// ShownFirst, ShownSecond and Answer by its operation. Random numbers come from the platform only.
void NextProblem(ProblemState& problem, const PracticeFields& practice, Platform& platform);

// The number of draws after which a round of asked facts ends: 100 for all tables,
// 10 x n for "Up to..." n or "Just..." n.
int DrawLimit(Int16 tableNum);
