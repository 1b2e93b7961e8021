// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once

#include <thread>

// Reads the desktop's font settings (fontconfig: some hundred settings files and the font
// caches) on a second processor while the application connects to the display, so that the
// first window finds them read instead of reading them itself. Waited for before any window
// is made: fontconfig is then only ever used by one thread at a time.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void Wait();

private:
    std::thread thread_;
};
