// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once

class QWidget;

// Waits until the desktop has put a window just shown on the screen, at most limitMs
// milliseconds; at once on a desktop that is not X11. The window manager and the X server
// need the processor to do it: on a computer with one or two cores, work the program goes
// on with meanwhile only holds the window back.
void WaitUntilOnScreen(QWidget* window, int limitMs);

// Shows a window and then its children. Qt shows the children first, and the first widget it
// shows connects the accessibility support to the session bus (6 to 8 ms where none runs, a
// few round trips where one does) before the window is even asked for; asked for first, the
// desktop puts it up meanwhile. The children are on it before it is first painted.
void ShowBeforeChildren(QWidget* window);
