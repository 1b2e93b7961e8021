// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/ServerSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <xcb/xcb.h>

xcb_connection_t* XConnection()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

namespace {

// Whether every screen of the display stores a pixel as Qt's 32-bit RGB image does:
// depth 24 in 32 bits, red, green and blue in the bytes of a little-endian word.
bool ScreenTakesRgb32(xcb_connection_t* c)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool format = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        format |= f.data->depth == 24 && f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!format)
        return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s)) {
        bool rgb = false;
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == s.data->root_visual)
                    rgb = d.data->depth == 24 && v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                          && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00
                          && v.data->blue_mask == 0xff;
        if (!rgb)
            return false;
    }
    return true;
}

bool ServerCanPaint()
{
    static const bool can = [] {
        xcb_connection_t* c = XConnection();
        return c && ScreenTakesRgb32(c);
    }();
    return can;
}

// Sends the picture to the window's top left corner, in strips no longer than a request may be.
void PutPicture(xcb_connection_t* c, xcb_window_t window, const QImage& picture)
{
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, window, 0, nullptr);
    const qsizetype line = picture.bytesPerLine();
    const qsizetype room = qsizetype(xcb_get_maximum_request_length(c)) * 4 - 64;
    const int rowsAtOnce = int(std::max<qsizetype>(1, room / line));
    for (int y = 0; y < picture.height(); y += rowsAtOnce) {
        const int rows = std::min(rowsAtOnce, picture.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, gc, uint16_t(picture.width()), uint16_t(rows), 0,
                      int16_t(y), 0, 24, uint32_t(rows * line), picture.constScanLine(y));
    }
    xcb_free_gc(c, gc);
}

} // namespace

ServerSurface::ServerSurface(QWidget* parent)
    : ServerSurface(parent, true, false)
{
}

ServerSurface::ServerSurface(QWidget* parent, bool onServer, bool picture)
    : QWidget(parent)
    , onServer_(onServer && ServerCanPaint())
    , picture_(picture)
{
    if (!onServer_)
        return;
    // A window of its own that Qt leaves alone: nothing of it is in the window's picture.
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
}

QPaintEngine* ServerSurface::paintEngine() const
{
    return onServer_ ? nullptr : QWidget::paintEngine();
}

bool ServerSurface::event(QEvent* event)
{
    if (onServer_ && event->type() == QEvent::WinIdChange && windowHandle()) {
        // A new X window has no background colour yet: the next paint gives it one.
        backSet_ = false;
        // A click here leaves the keyboard with the window, as on any other part of it.
        windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus);
    }
    return QWidget::event(event);
}

void ServerSurface::Draw(QPainter&)
{
}

void ServerSurface::paintEvent(QPaintEvent*)
{
    if (!onServer_) {
        QPainter painter(this);
        Draw(painter);
        return;
    }
    xcb_connection_t* c = XConnection();
    const auto window = static_cast<xcb_window_t>(winId());
    const QColor colour = palette().color(QPalette::Window);
    const unsigned pixel = colour.rgb() & 0xffffffu;
    if (!backSet_ || pixel != backPixel_) {
        backPixel_ = pixel;
        backSet_ = true;
        xcb_change_window_attributes(c, window, XCB_CW_BACK_PIXEL, &pixel);
        if (!picture_)
            xcb_clear_area(c, 0, window, 0, 0, 0, 0);
    }
    if (picture_) {
        const qreal ratio = devicePixelRatioF();
        QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        picture.fill(colour);
        {
            QPainter painter(&picture);
            Draw(painter);
        }
        PutPicture(c, window, picture);
    }
    xcb_flush(c);
}
