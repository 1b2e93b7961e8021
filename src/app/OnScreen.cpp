// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/OnScreen.h"

#include "core/ServerSurface.h"

#include <QElapsedTimer>
#include <QLayout>
#include <QThread>
#include <QWidget>

#include <cstdlib>
#include <xcb/xcb.h>

void WaitUntilOnScreen(QWidget* window, int limitMs)
{
    xcb_connection_t* connection = XConnection();
    if (!connection || !window || !window->isVisible())
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    QElapsedTimer clock;
    clock.start();
    // Asked again every half millisecond; each answer is a round trip that waits its turn
    // behind the window manager's requests.
    for (;;) {
        xcb_get_window_attributes_reply_t* reply =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr);
        const bool done = !reply || reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        if (done || clock.elapsed() >= limitMs)
            return;
        QThread::usleep(500);
    }
}

void ShowBeforeChildren(QWidget* window)
{
    QList<QWidget*> children;
    for (QObject* object : window->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden()) {
            child->hide();
            children.append(child);
        }
    }
    window->show();
    for (QWidget* child : children)
        child->show();
    if (window->layout())
        window->layout()->activate();
}
