#include "core/App.h"

namespace {
AppState* gState = nullptr;
Platform* gPlatform = nullptr;
} // namespace

AppState& Shared() { return *gState; }
Platform& System() { return *gPlatform; }

void InstallApp(AppState* state, Platform* platform)
{
    gState = state;
    gPlatform = platform;
}
