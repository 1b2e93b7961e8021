// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The platform's printer: the default printer of the desktop (through CUPS), or a PDF file
// (QPdfWriter) when one is named, on the paper of the family's country. The pages are laid
// out for the paper and drawn by PagePainter.

#include "core/logic/PrinterDevice.h"

class SystemPrinter : public PrinterDevice {
public:
    // With a file name, prints into that PDF file instead of on the default printer.
    explicit SystemPrinter(QString pdfFile = {});

    QString Print(const QString& documentName, const PageLayOut& layOut) override;

private:
    QString pdfFile_;
};
