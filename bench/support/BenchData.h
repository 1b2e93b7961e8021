// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// What the in-process benchmarks share: a player's score history of any length, written
// as the drill writes it, and a platform whose random numbers vary as the real one's do.

#include "core/logic/StateParts.h"
#include "support/TestPlatform.h"

#include <QByteArray>
#include <random>

// The set the history is mostly made of and the windows chart: Multiplication, Just 3, 2 minutes.
constexpr Int16 ChartedOp = 2;
constexpr Int16 ChartedTable = -3;
constexpr Int16 ChartedMinutes = 2;

// A score history of so many records, one practice an hour: four in five of the charted set,
// the rest spread over other sets. The latest is of the charted set and below its best, so
// opening the chart plays no tune.
QByteArray MakeHistory(int records);

class RandomPlatform : public TestPlatform {
public:
    double Random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{20061112};
};
