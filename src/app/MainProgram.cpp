// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/MainProgram.h"
#include "app/OnScreen.h"

#include "core/App.h"
#include "core/Keyboard.h"
#include "core/WindowUtils.h"
#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/StartUp.h"
#include "mainwin/BackForm.h"
#include "music/logic/MidiVolume.h"
#include "players/GetPlayer.h"
#include "practice/Define.h"
#include "practice/Practice.h"

#include <QApplication>

void RunMainLoop(AppState& state, Platform& platform)
{
    for (;;) {
        LogEvent(state, platform, QStringLiteral("h"));
        ShowAndWait<GetPlayer>();
        if (platform.HasEnded())
            return;
        for (;;) {
            const std::optional<PracticeFields> practice = ChoosePractice();
            if (platform.HasEnded())
                return;
            if (!practice)
                break;
            // The drill is given its definition; nothing another window does changes it.
            ShowAndWait(Forms::Load<Practice>(*practice));
            if (platform.HasEnded())
                return;
        }
    }
}

void Main(const QString& commandLine)
{
    AppState& state = Shared();
    Platform& platform = System();
    if (!StartProgram(state, platform, commandLine))
        return;
    ShowHourglass();
    LoadPlayerList(state);
    LogEvent(state, platform, QStringLiteral("c"));
    LogEvent(state, platform, QStringLiteral("d"));
    ProbeMidiVolume(state, platform);
    LogEvent(state, platform, QStringLiteral("e"));
    Keyboard::Install();
    BackForm* background = Forms::Load<BackForm>();
    ShowBeforeChildren(background);
    // The child sees the program's screen sooner when the desktop may put it up before the
    // program goes on (measured on two cores: the window 4 to 5 ms sooner, the player list
    // no later).
    WaitUntilOnScreen(background, 50);
    RestorePointer();
    LogEvent(state, platform, QStringLiteral("f"));
    RunMainLoop(state, platform);
}
