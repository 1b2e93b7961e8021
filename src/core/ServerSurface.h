// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A part of a window painted through the X server rather than Qt's picture of the window.
// Qt keeps a picture of every whole top-level window in the program's memory; for the
// full-screen background that is 3.8 MiB at 1280 x 800, nearly all of it one colour. Here the
// colour is the X window's own background, which the server fills in whenever the part comes
// into view, and what is drawn over it goes to the server as a picture of just this part,
// made when painted and freed at once. Off X11, or on a screen whose pixels the program does
// not write, the widget paints like any other. Measured with bench/run.sh's start-up row
// (2026-12-08, 1280 x 800): 32.8 MiB resident at the player list, 36.4 MiB painted by Qt.
#include <QWidget>

struct xcb_connection_t;

// The program's connection to the X server; null on another desktop.
xcb_connection_t* XConnection();

class ServerSurface : public QWidget {
public:
    // A plain area in the colour of its palette's Window role.
    explicit ServerSurface(QWidget* parent);

    // Whether the X server paints this widget.
    bool OnServer() const { return onServer_; }
    QPaintEngine* paintEngine() const override;

protected:
    // onServer: whether to paint through the X server where it can; picture: whether Draw
    // puts anything over the colour.
    ServerSurface(QWidget* parent, bool onServer, bool picture);
    // What is drawn over the colour, in the widget's coordinates.
    virtual void Draw(QPainter& painter);
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool onServer_;
    bool picture_;
    unsigned backPixel_ = 0;
    bool backSet_ = false;
};
