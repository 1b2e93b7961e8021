#include "app/OnScreen.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <cstdlib>
#include <xcb/xcb.h>

void WaitUntilOnScreen(QWidget* window, int limitMs)
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window || !window->isVisible())
        return;
    xcb_connection_t* connection = x11->connection();
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
