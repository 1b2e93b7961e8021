#pragma once
// The one shared state and the one platform of the running program. Windows reach them
// here; logic receives them as arguments.

#include "core/logic/AppState.h"
#include "core/logic/Platform.h"

AppState& Shared();
Platform& System();
// main.cpp installs the real ones; tests install fresh ones per case.
void InstallApp(AppState* state, Platform* platform);
