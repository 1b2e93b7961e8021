#pragma once
// Keys that work alike in every window of the program, whichever control has the focus:
// Return and keypad Enter press the focused button and open the focused list row as its
// double-click does; Escape presses the window's cancelling button; F10, or Alt pressed and
// released alone, opens the background window's menu from any window.

class QAbstractButton;

namespace Keyboard {
// Once, at start: the keys are watched for the whole application.
void Install();
// `button` is what Escape presses in its window while it is shown and enabled; `on` false
// takes the part back (a button that ends the program never has it).
void SetEscapeButton(QAbstractButton* button, bool on = true);
} // namespace Keyboard
