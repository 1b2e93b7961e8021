// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Watches a rectangle of a window on the X screen and tells when a colour first shows in it:
// prints "ready", then the wall-clock time in ms (as `date +%s%3N` tells it) when it was seen;
// exits 1 when it has not shown within the timeout.
//   e2e_colour_watch WINDOW X Y WIDTH HEIGHT RRGGBB TIMEOUT_MS
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

static long long NowMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

int main(int argc, char* argv[])
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (argc != 8 || xcb_connection_has_error(c))
        return xcb_disconnect(c), 2;
    long a[6];
    for (int i = 0; i < 6; ++i)
        a[i] = std::strtol(argv[i + 1], nullptr, i == 5 ? 16 : 0);
    const long long end = NowMs(CLOCK_MONOTONIC) + std::atol(argv[7]);
    std::printf("ready\n");
    std::fflush(stdout);
    bool seen = false;
    while (!seen && NowMs(CLOCK_MONOTONIC) < end) {
        // 32 bits a pixel: blue, green, red, unused.
        xcb_get_image_reply_t* image = xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_window_t(a[0]),
            int16_t(a[1]), int16_t(a[2]), uint16_t(a[3]), uint16_t(a[4]), ~0u), nullptr);
        const uint8_t* p = image ? xcb_get_image_data(image) : nullptr;
        for (int i = 0; p && i + 3 < xcb_get_image_data_length(image) && !seen; i += 4)
            seen = (long(p[i + 2]) << 16 | long(p[i + 1]) << 8 | p[i]) == a[5];
        std::free(image);
        seen ? void(std::printf("%lld\n", NowMs(CLOCK_REALTIME))) : void(usleep(1000));
    }
    xcb_disconnect(c);
    return seen ? 0 : 1;
}
