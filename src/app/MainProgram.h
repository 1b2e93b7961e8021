#pragma once
// The program's start and its endless main loop.

#include "core/logic/AppState.h"
#include "core/logic/Platform.h"

#include <functional>

// The three windows of the main loop, each shown and waited for.
struct MainLoopWindows {
    std::function<void()> ShowPlayer;
    std::function<void()> ShowDefine;
    std::function<void()> ShowPractice;
};

// Player selection, then definition and drill again and again; operation 9 from the
// definition goes back to the player selection. Returns only when the program has ended.
void RunMainLoop(AppState& state, Platform& platform, const MainLoopWindows& windows);

// The whole start: settings, players, the background window, then the main loop.
void Main(const QString& commandLine);
