// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Small operations every window shares: waiting for a window, placing, colouring and
// decorating windows, opening documents, tooltips.

#include "core/Form.h"

#include <QColor>
#include <QFont>
#include <utility>
#include <optional>

// Shows the window (not modal) and returns only when it has been unloaded, whatever
// unloaded it; events are processed meanwhile, so menus and timers keep working.
// Waits nest: a wait started inside another returns first.
void ShowAndWait(Form* window);
// The window the child is working in: the last one shown by ShowAndWait still up.
Form* WorkingWindow();
// As ShowAndWait, and the window it is opened from takes no input meanwhile; the menu and
// the other windows do.
void ShowOverAndWait(QWidget* opener, Form* window);
// As ShowAndWait, but no other window of the program takes input meanwhile.
void ShowModal(Form* window);
// Hides the parent, waits for the child, then shows the parent again in front.
void ShowChildAndWait(QWidget* parent, Form* child);

// The hourglass mouse pointer (the desktop's busy pointer) over every window of the program,
// and back to the default.
void ShowHourglass();
void RestorePointer();
// While a shared file's lock is waited for (another copy saving, something else at the
// lock's place), the windows keep painting under the hourglass; input waits till after.
void PaintWhileLocksWait();

// Opens a file or web address with the desktop's default handler, the busy pointer
// showing meanwhile. Above 32 means success.
int OpenDocument(Platform& os, const QString& target);
// Writes "sendcom.htm" in the current folder with the page text and opens it.
void WriteCommentsPage(Platform& os, const QString& pageText);

// Centres the window on its screen, 220 twips above the exact centre. Where the desktop
// places the windows, it leaves that to the desktop.
void CentreForm(Form* window);
// True where the desktop alone places the windows and a window cannot learn where it stands
// on the screen (Wayland): the background is full-screen and every other window is a
// transient child of the window it belongs to, which the desktop puts it over.
bool DesktopPlacesWindows();
// Every control coloured like the window takes the new colour, then the window does.
void ApplyBackColour(QWidget* window, double colour);
// The double raised edge just inside the window.
void DrawFormBevel(Form* window);
// Nested rings round a control on the window or picture box it sits on.
void Draw3DBorder(QWidget* control, QWidget* surface, int width, int style);
// Shows (show not 0) or hides the control's tip, taken from its tag.
void ShowToolTip(QWidget* window, QWidget* control, int show);

// Colours are RGB values with red in the low byte.
QColor ToQColor(double colour);
// A control's background colour as the program sees it; nothing for controls without one.
std::optional<double> BackColorOf(const QWidget* control);
void SetBackColor(QWidget* control, double colour);
void SetForeColor(QWidget* control, double colour);
// The control's tag, which also becomes its tooltip.
void SetTag(QWidget* control, const QString& tag);
QString TagOf(const QWidget* control);
// Places a control by twips, at its window's zoom (Form::SetZoom); the place is kept as designed.
void PlaceTw(QWidget* control, int left, int top, int width, int height);
// The place PlaceTw gave the control last, as designed; an invalid one when it gave none.
QRect DesignPlace(const QWidget* control);
// The control's font as designed (the one it had when first zoomed), scaled by the zoom.
QFont ZoomedFont(QWidget* control, double zoom);
inline void PlaceTw(QWidget* control, const QRect& r) { PlaceTw(control, r.x(), r.y(), r.width(), r.height()); }
// A control of a window, named as the program names it, placed in twips.
template <class T, class... Args>
T* MakeControl(QWidget* parent, const char* name, int left, int top, int width, int height, Args&&... args)
{
    T* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    PlaceTw(control, left, top, width, height);
    return control;
}
// The width of the window's screen in the display's own pixels (not the program's scaled ones).
int ScreenPixelWidth(const QWidget* window);
// True for a press of the Return key or the keypad's Enter key.
bool IsEnterPress(const QEvent* event);
// The widget's font made larger (or smaller) by a factor.
QFont ScaledFont(const QWidget* widget, double factor);
