#pragma once

class QWidget;

// Waits until the desktop has put a window just shown on the screen, at most limitMs
// milliseconds; at once on a desktop that is not X11. The window manager and the X server
// need the processor to do it: on a computer with one or two cores, work the program goes
// on with meanwhile only holds the window back.
void WaitUntilOnScreen(QWidget* window, int limitMs);
