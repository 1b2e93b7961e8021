// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Watches a rectangle of a window on the X screen, as a person's eye would, and tells when a
// colour first shows in it. Prints "ready" once watching, then the wall-clock time (ms since
// the epoch, as `date +%s%3N` tells it) at which the colour was seen, and exits 0; exits 1
// when it has not shown within the timeout.
//
//   e2e_colour_watch WINDOW X Y WIDTH HEIGHT RRGGBB TIMEOUT_MS

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {
long long NowMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

// Whether a pixel of the rectangle has the colour (32 bits a pixel: blue, green, red, unused).
bool Shows(xcb_connection_t* c, xcb_window_t window, const long* r, unsigned colour)
{
    const auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(r[0]),
                                      static_cast<int16_t>(r[1]), static_cast<uint16_t>(r[2]), static_cast<uint16_t>(r[3]), ~0u);
    xcb_get_image_reply_t* image = xcb_get_image_reply(c, cookie, nullptr);
    if (!image)
        return false;
    const auto* pixel = xcb_get_image_data(image);
    const int length = xcb_get_image_data_length(image);
    bool seen = false;
    for (int i = 0; i + 3 < length && !seen; i += 4)
        seen = (unsigned(pixel[i + 2]) << 16 | unsigned(pixel[i + 1]) << 8 | pixel[i]) == colour;
    std::free(image);
    return seen;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s WINDOW X Y WIDTH HEIGHT RRGGBB TIMEOUT_MS\n", argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const long rect[4] = {std::atol(argv[2]), std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5])};
    const auto colour = static_cast<unsigned>(std::strtoul(argv[6], nullptr, 16));
    const long long end = NowMs(CLOCK_MONOTONIC) + std::atol(argv[7]);
    std::printf("ready\n");
    std::fflush(stdout);
    bool seen = false;
    while (!seen && NowMs(CLOCK_MONOTONIC) < end) {
        seen = Shows(c, window, rect, colour);
        if (seen)
            std::printf("%lld\n", NowMs(CLOCK_REALTIME));
        else
            usleep(1000);
    }
    xcb_disconnect(c);
    return seen ? 0 : 1;
}
