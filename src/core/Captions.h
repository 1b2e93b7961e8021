// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The texts a window shows on its controls, and their fit: a translation is often longer than
// the English text its place was drawn for.

#include <QStringList>

class QWidget;

// The controls of `window` (not of windows of their own) whose text is shown: labels, buttons,
// option and check boxes, frames' titles.
QList<QWidget*> CaptionedControls(QWidget* window);
// A control's text as shown, without the "&" of its underlined letter.
QString ShownCaption(const QWidget* control);
// Whether the text is shown whole in the control's place (a label that breaks its lines: in
// its height).
bool CaptionFits(const QWidget* control);
// Each caption that does not fit is set in smaller type, down to two thirds of its size, until
// it does; the control keeps its place.
void FitCaptions(QWidget* window);
// For the whole-program tests: when NUMBRELLA_TEXT_DUMP names a file, each window of the program
// (message and file windows too) adds its captions, lists and menus to it as it comes
// up and as it goes, a line each ("window<TAB>text", and "<TAB>cut" after a caption that does
// not fit).
void DumpCaptionsWhenAsked();
