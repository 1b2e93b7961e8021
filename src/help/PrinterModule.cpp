// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The one part of the program that needs Qt's printing library, built as a module of its
// own beside the executable and loaded the first time something is printed on paper
// (SystemPrinter.cpp), so that no start of the program waits for that library.
#include "help/PrinterModule.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" {

Q_DECL_EXPORT QPagedPaintDevice* NumbrellaOpenPrinter(const QString* documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPrinterName(info.printerName());
    printer->setDocName(*documentName);
    return printer;
}

Q_DECL_EXPORT bool NumbrellaPrinterFailed(QPagedPaintDevice* device)
{
    const auto state = static_cast<QPrinter*>(device)->printerState();
    return state == QPrinter::Error || state == QPrinter::Aborted;
}

Q_DECL_EXPORT void NumbrellaClosePrinter(QPagedPaintDevice* device)
{
    delete static_cast<QPrinter*>(device);
}

} // extern "C"
