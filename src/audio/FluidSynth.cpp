// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "audio/FluidSynth.h"

#include <QLibrary>

const FluidSynthLibrary* Fluid()
{
    static const FluidSynthLibrary* library = []() -> const FluidSynthLibrary* {
        // Never unloaded: sound threads may run until the process ends.
        QLibrary file(QStringLiteral("fluidsynth"), FLUIDSYNTH_SO_MAJOR);
        if (!file.load()) {
            qWarning("Numbrella: no music, FluidSynth cannot be loaded: %s", qPrintable(file.errorString()));
            return nullptr;
        }
        static FluidSynthLibrary functions;
        bool complete = true;
#define NUMBRELLA_FLUID_RESOLVE(name)                                                   \
        functions.name = reinterpret_cast<decltype(functions.name)>(file.resolve(#name)); \
        complete = complete && functions.name;
        NUMBRELLA_FLUID_FUNCTIONS(NUMBRELLA_FLUID_RESOLVE)
#undef NUMBRELLA_FLUID_RESOLVE
        if (!complete) {
            qWarning("Numbrella: no music, the FluidSynth library found lacks functions the program needs.");
            return nullptr;
        }
        return &functions;
    }();
    return library;
}
