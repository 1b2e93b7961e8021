// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/DrillClock.h"

#include <algorithm>

int TicksDue(qint64 startMs, qint64 nowMs, int ticksDone, int secondMs)
{
    const qint64 elapsed = std::max<qint64>(0, nowMs - startMs);
    return std::max(0, static_cast<int>(elapsed / secondMs) - ticksDone);
}

qint64 MsUntilNextTick(qint64 startMs, qint64 nowMs, int ticksDone, int secondMs)
{
    return std::max<qint64>(0, startMs + (ticksDone + 1) * qint64(secondMs) - nowMs);
}
