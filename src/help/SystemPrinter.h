// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The platform's printer: the default printer of the desktop (through CUPS), or a PDF file
// (QPdfWriter) when one is named. The text is kept until the end of the document and then
// laid out in a type of one width on the printer's paper (PrintPieces).

#include "core/logic/PrinterDevice.h"

#include <vector>

class QPagedPaintDevice;

class SystemPrinter : public PrinterDevice {
public:
    // With a file name, prints into that PDF file instead of on the default printer.
    explicit SystemPrinter(QString pdfFile = {});

    void SetFontSize(int points) override { fontSize_ = points; }
    void Print(const QString& text) override;
    void NewPage() override;
    QString EndDoc() override;

private:
    QString pdfFile_;
    int fontSize_ = 12;
    // The text of each piece that starts on a new page.
    std::vector<QString> pieces_{QString()};
};

// Lays the pieces out on the device, each from a new page, in a type of one width, at least
// 15 mm inside what the device can print on. False when the device refused them.
bool PrintPieces(QPagedPaintDevice& device, const std::vector<QString>& pieces, int fontSize);
