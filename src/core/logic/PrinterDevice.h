// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The printer as the program reaches it: a font size, text, a new page and the end of the
// document, which sends the job. The platform hands out the real one; tests use their own.

#include <QString>

inline const QString NoPrinterMessage = QStringLiteral(
    "Numbrella could not find a printer, so nothing was printed.  Please ask a grown-up to set up a printer "
    "and try again.");
inline const QString PrintFailedMessage = QStringLiteral(
    "The printer did not take the pages, so they may not come out.  Please ask a grown-up to check that the "
    "printer is switched on and has paper, and try again.");

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    virtual void SetFontSize(int points) = 0;
    // Prints the text as it is: lines are not wrapped again, a full page goes on to the next.
    virtual void Print(const QString& text) = 0;
    // What is printed next starts on a new page; nothing follows on an empty one.
    virtual void NewPage() = 0;
    // Sends the document to the printer: "" when it went, otherwise what the user is told.
    virtual QString EndDoc() = 0;
};
