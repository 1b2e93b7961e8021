// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Keys that work alike in every window of the program, whichever control has the focus:
// Return and keypad Enter press the focused button and open the focused list row as its
// double-click does; Escape presses the window's cancelling button; F10, or Alt pressed and
// released alone, opens the background window's menu from any window.

class QAbstractButton;
class QWidget;

#include <QList>

namespace Keyboard {
// Once, at start: the keys are watched for the whole application, and the control that
// takes them wears a ring.
void Install();
// `button` is what Escape presses in its window while it is shown and enabled; `on` false
// takes the part back (a button that ends the program never has it).
void SetEscapeButton(QAbstractButton* button, bool on = true);
// The controls (in reading order, `columns` to a row) form one Tab stop: Tab comes in on the
// one that is on (a ticked option), else on the one left last, else the first; the arrow keys
// move the focus among them (Left and Right by one, Up and Down by a row, round at the ends)
// and change nothing: Space or Return presses.
void ArrowGroup(const QList<QWidget*>& members, int columns = 1);
} // namespace Keyboard
