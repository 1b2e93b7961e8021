// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/DisplayScale.h"

#include "core/logic/Geometry.h"
#include "practice/logic/DrillLayout.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <xcb/randr.h>
#include <xcb/xcb.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <memory>
#include <optional>
#include <vector>

namespace {
constexpr double HelpWidthPx = 10800.0 / TwipsPerPixel;   // the largest window, the help viewer
constexpr double HelpHeightPx = 7740.0 / TwipsPerPixel;
constexpr double DrillHeightPx = double(DrillHeight) / TwipsPerPixel;
constexpr int ScreenMargin = 48;                           // left free round the help viewer
constexpr const char* QtScaleVariable = "QT_SCALE_FACTOR";

// Where Qt will take another platform than X11, or scale by settings of its own, only an
// application of Qt's sees the screen as the program will.
bool QtSeesOtherwise(int argc, char** argv)
{
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                             "QT_USE_PHYSICAL_DPI", "QT_FONT_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                             "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_DEVICE_PIXEL_RATIO"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true; // -platform, -display and the other options Qt takes
    }
    return qEnvironmentVariableIsEmpty("DISPLAY");
}

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reply<T> Take(T* reply) { return Reply<T>(reply, &std::free); }

// "Xft.dpi:\t144" among the X resources: the desktop's scale, as Qt's X11 platform reads it.
double XftScale(const char* resources, int length)
{
    const std::string text(resources, static_cast<size_t>(length));
    const size_t at = text.find("Xft.dpi:");
    const double dpi = at == std::string::npos ? 0 : std::atof(text.c_str() + at + 8);
    return dpi > 0 ? dpi / 96 : 1;
}

// The primary monitor's free area in device-independent pixels, asked of the X server as Qt's
// X11 platform finds it: RandR's primary monitor, within the desktop's work area, divided by
// the scale of Xft.dpi. Nothing when the server cannot say. One more connection costs about
// 1 ms; the application that asked instead cost the first window 9 to 10 ms (38 against 28 ms
// on Xvfb, ten starts each, 2026-12-08).
std::optional<QSizeF> X11FreeArea()
{
    int number = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &number);
    const auto done = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>(c, &xcb_disconnect);
    if (xcb_connection_has_error(c))
        return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; number > 0 && screens.rem; --number)
        xcb_screen_next(&screens);
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(c, &xcb_randr_id);
    if (!screens.rem || !randr || !randr->present)
        return std::nullopt;
    const xcb_window_t root = screens.data->root;
    const auto version = xcb_randr_query_version(c, 1, 5);
    const auto monitorsAsked = xcb_randr_get_monitors(c, root, 1);
    const auto workAreaAtom = xcb_intern_atom(c, 1, 13, "_NET_WORKAREA");
    const auto resourcesAsked = xcb_get_property(c, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 16384);
    const auto versionReply = Take(xcb_randr_query_version_reply(c, version, nullptr));
    const auto monitors = Take(xcb_randr_get_monitors_reply(c, monitorsAsked, nullptr));
    const auto atom = Take(xcb_intern_atom_reply(c, workAreaAtom, nullptr));
    const auto resources = Take(xcb_get_property_reply(c, resourcesAsked, nullptr));
    if (!versionReply || versionReply->major_version < 1 || versionReply->minor_version < 5 || !monitors)
        return std::nullopt;
    QRect area;
    for (auto m = xcb_randr_get_monitors_monitors_iterator(monitors.get()); m.rem; xcb_randr_monitor_info_next(&m)) {
        if (area.isNull() || m.data->primary)
            area = QRect(m.data->x, m.data->y, m.data->width, m.data->height);
    }
    if (area.isEmpty())
        return std::nullopt;
    if (atom && atom->atom != XCB_ATOM_NONE) {
        const auto work = Take(xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        if (work && work->format == 32 && xcb_get_property_value_length(work.get()) >= 16) {
            const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(work.get()));
            area &= QRect(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
        }
    }
    const double scale = resources ? XftScale(static_cast<const char*>(xcb_get_property_value(resources.get())),
                                              xcb_get_property_value_length(resources.get()))
                                   : 1;
    return QSizeF(area.width() / scale, area.height() / scale);
}
} // namespace

double ChooseDisplayScale(int width, int height)
{
    const double fit = std::min((width - ScreenMargin) / HelpWidthPx, (height - ScreenMargin) / HelpHeightPx);
    // A third of the height in quarter steps, which draw cleaner than any fraction.
    double scale = std::floor(std::min(height / 3.0 / DrillHeightPx, fit) * 4) / 4;
    scale = std::max(scale, std::min(height / 4.0 / DrillHeightPx, fit));
    return std::max({scale, std::min(1.0, fit), 0.25});
}

double ScaleOverride(const QByteArray& text)
{
    bool ok = false;
    const double scale = text.trimmed().toDouble(&ok);
    return ok && scale >= 0.5 && scale <= 4 ? scale : 0;
}

QByteArray ApplyDisplayScale(int argc, char** argv)
{
    const QByteArray found = qgetenv(QtScaleVariable);
    double scale = ScaleOverride(qgetenv("NUMBRELLA_SCALE"));
    const double parents = found.toDouble() > 0 ? found.toDouble() : 1;
    if (scale == 0 && !QtSeesOtherwise(argc, argv)) {
        if (const std::optional<QSizeF> area = X11FreeArea())
            scale = ChooseDisplayScale(int(area->width() / parents), int(area->height() / parents));
    }
    if (scale == 0) {
        // Qt takes its scale only from the environment as an application is made: ask a
        // short-lived one, on a copy of the arguments, since it takes out the ones Qt knows
        // (-display, -platform). It costs the first window 9 to 10 ms.
        std::vector<char*> arguments(argv, argv + argc + 1);
        int count = argc;
        QGuiApplication probe(count, arguments.data());
        const QScreen* screen = QGuiApplication::primaryScreen();
        scale = screen ? ChooseDisplayScale(screen->availableGeometry().width(), screen->availableGeometry().height()) : 1;
    }
    qputenv(QtScaleVariable, QByteArray::number(parents * scale));
    return found;
}

void RestoreScaleEnvironment(const QByteArray& found)
{
    if (found.isNull())
        qunsetenv(QtScaleVariable);
    else
        qputenv(QtScaleVariable, found);
}
