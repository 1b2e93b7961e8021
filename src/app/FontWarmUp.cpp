// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/FontWarmUp.h"

#include <dlfcn.h>
#include <pthread.h>
#include <sched.h>
#include <system_error>

FontWarmUp::FontWarmUp()
{
    // Qt's GUI library brings fontconfig with it; when it does not (another font backend),
    // there is nothing to read ahead.
    using FcInitFunction = int (*)();
    auto* init = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init)
        return;
    try {
        thread_ = std::thread([init] {
            // Only on a processor nobody else wants: the main thread connecting to the display,
            // and the X server answering it, go first. Where the system refuses, it reads at
            // the usual priority.
            const sched_param idle{};
            pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
            init();
        });
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the settings itself when the first window needs them.
    }
}

FontWarmUp::~FontWarmUp()
{
    Wait();
}

void FontWarmUp::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
