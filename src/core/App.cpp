// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/App.h"

#include <optional>

namespace {
AppState* gState = nullptr;
Platform* gPlatform = nullptr;
std::optional<AppContext> gContext;
} // namespace

AppContext& App() { return *gContext; }

AppState& Shared() { return *gState; }
Platform& System() { return *gPlatform; }

void InstallApp(AppState* state, Platform* platform)
{
    gState = state;
    gPlatform = platform;
    gContext.emplace(AppContext{*state, *platform});
}
