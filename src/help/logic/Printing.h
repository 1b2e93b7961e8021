// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Printing a text of the manual, and how a text falls into pages.

#include "core/logic/PrinterDevice.h"

#include <QStringList>
#include <vector>

constexpr int PrintFontSize = 12;
// From one line's top to the next one's: 12-point type and a fifth of it between lines.
constexpr int ManualLinePitch = PrintFontSize * 20 * 6 / 5;

// Prints the text in one piece in 12-point type and ends the document without an empty
// last page. Returns what to tell the user when it could not print, "" otherwise.
QString PrintText(PrinterDevice& printer, const QString& text);

// The text's lines in a type of one width, as many to a page as the area holds.
PrintDocument ManualPages(const QString& text, QSize area);

// The text's lines (CR LF, LF or CR end a line; the line end after the last line makes no
// empty line of its own), so many to a page. A last page of blank lines is left out.
std::vector<QStringList> Pages(const QString& text, int linesPerPage);
