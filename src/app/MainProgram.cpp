// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/MainProgram.h"
#include "app/OnScreen.h"

#include "app/SingleCopy.h"
#include "app/WindowFactory.h"
#include "core/Keyboard.h"
#include "core/WindowUtils.h"
#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/StartUp.h"
#include "mainwin/BackForm.h"
#include "music/logic/MidiVolume.h"

#include <QApplication>

void RunMainLoop(WindowFactory& windows, Platform& platform)
{
    const ProgramSettings& settings = windows.Parts().program.Settings();
    for (;;) {
        LogEvent(settings, platform, QStringLiteral("h"));
        windows.ChoosePlayer();
        if (platform.HasEnded())
            return;
        for (;;) {
            const std::optional<PracticeFields> practice = windows.ChoosePractice();
            if (platform.HasEnded())
                return;
            if (!practice)
                break;
            windows.RunDrill(*practice);
            if (platform.HasEnded())
                return;
        }
    }
}

void Main(ProgramParts& parts, Platform& platform, const QString& commandLine)
{
    if (!parts.program.Start(platform, commandLine))
        return;
    const ProgramSettings& state = parts.program.Settings();
    ShowHourglass();
    LoadPlayerList(parts.roster);
    LogEvent(state, platform, QStringLiteral("c"));
    LogEvent(state, platform, QStringLiteral("d"));
    ProbeMidiVolume(parts.midi, state, platform);
    LogEvent(state, platform, QStringLiteral("e"));
    Keyboard::Install();
    WindowFactory windows(parts, platform);
    BackForm* background = windows.Background();
    SetFrontWindow(background);
    ShowBeforeChildren(background);
    RestorePointer();
    LogEvent(state, platform, QStringLiteral("f"));
    RunMainLoop(windows, platform);
}
