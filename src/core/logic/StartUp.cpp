// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/StartUp.h"

#include "core/logic/ActivityLog.h"
#include "core/logic/LineFormat.h"
#include "core/logic/Settings.h"

#include <QDir>

QString WholeCommandLine(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

bool WantsUninstall(const QString& commandLine)
{
    return !commandLine.isEmpty() && commandLine.at(0).toLower() == QLatin1Char('u');
}

bool WantsLog(const QString& commandLine)
{
    return commandLine.contains(QLatin1String("log"), Qt::CaseInsensitive);
}

bool StartProgram(ProgramSettings& state, Platform& platform, const QString& commandLine)
{
    state.AppPath = platform.ExecutableDir();
    if (WantsUninstall(commandLine)) {
        // Nothing is read before: the uninstaller may be about to remove the files.
        const QString uninstaller = state.AppPath + QStringLiteral("/uninstall");
        if (!platform.StartDetached(uninstaller))
            qWarning("Numbrella: the uninstaller %s could not be started.", qPrintable(uninstaller));
        platform.EndProgram();
        return false;
    }
    if (WantsLog(commandLine))
        state.LogEnabled = -1;
    state.DisplayColours = static_cast<Int16>(platform.DisplayColours());
    state.BackColour = DefaultBackColour;
    platform.SeedRandom(platform.SecondsSinceMidnight());
    QDir::setCurrent(state.AppPath);
    LogEvent(state, platform, QStringLiteral("a"));
    LoadSettings(state, platform);
    RemoveLeftoverSaves(state.AppPath, platform.Now());
    RemoveLeftoverSaves(state.WindowsDir, platform.Now());
    LogEvent(state, platform, QStringLiteral("b"));
    return true;
}
