// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Keeps the drill's one-second ticks on time: each tick is due a whole number of
// seconds after the start on a monotonic clock, so a late tick delays nothing after it.

#include <QtGlobal>

// How many ticks, secondMs apart, are due by now that have not run yet.
int TicksDue(qint64 startMs, qint64 nowMs, int ticksDone, int secondMs = 1000);
// Milliseconds until the next tick is due (0 when it is already due).
qint64 MsUntilNextTick(qint64 startMs, qint64 nowMs, int ticksDone, int secondMs = 1000);
