// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/ActivityLog.h"

#include "core/logic/LineFormat.h"

void LogEvent(const ProgramSettings& state, const Platform& platform, QString& message)
{
    if (state.LogEnabled == 0)
        return;
    if (message.endsWith(QLatin1Char(',')))
        message.chop(1);
    // Opened and closed per line so the log is complete even if the program ends abruptly;
    // a log that cannot be written is ignored. The log lies in a folder every user may write:
    // a link planted there, or a file of another user, is not written to.
    AppendLine(platform.LogFilePath(), QuoteText(message), true);
}

void LogEvent(const ProgramSettings& state, const Platform& platform, QString&& message)
{
    LogEvent(state, platform, message);
}
