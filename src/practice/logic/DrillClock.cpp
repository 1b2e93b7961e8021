#include "practice/logic/DrillClock.h"

#include <algorithm>

int TicksDue(qint64 startMs, qint64 nowMs, int ticksDone)
{
    const qint64 elapsed = std::max<qint64>(0, nowMs - startMs);
    return std::max(0, static_cast<int>(elapsed / 1000) - ticksDone);
}

qint64 MsUntilNextTick(qint64 startMs, qint64 nowMs, int ticksDone)
{
    return std::max<qint64>(0, startMs + (ticksDone + 1) * 1000LL - nowMs);
}
