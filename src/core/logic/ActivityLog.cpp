#include "core/logic/ActivityLog.h"

#include "core/logic/LineFormat.h"

void LogEvent(const AppState& state, const Platform& platform, QString& message)
{
    if (state.LogEnabled == 0)
        return;
    if (message.endsWith(QLatin1Char(',')))
        message.chop(1);
    // Opened and closed per line so the log is complete even if the program ends abruptly;
    // a log that cannot be written is ignored.
    AppendLine(platform.LogFilePath(), QuoteText(message));
}

void LogEvent(const AppState& state, const Platform& platform, QString&& message)
{
    LogEvent(state, platform, message);
}
