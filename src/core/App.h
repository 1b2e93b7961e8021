// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The one shared state and the one platform of the running program. Windows reach them
// here; logic receives them as arguments.

#include "core/logic/AppState.h"
#include "core/logic/Platform.h"

// What a window is handed when it is made: the shared state and the platform.
struct AppContext {
    AppState& state;
    Platform& platform;
};

// The installed context; Forms::Load hands it to every window it makes.
AppContext& App();
// For the program's services that are no window (texts, message boxes, documents).
AppState& Shared();
Platform& System();
// main.cpp installs the real ones; tests install fresh ones per case.
void InstallApp(AppState* state, Platform* platform);
