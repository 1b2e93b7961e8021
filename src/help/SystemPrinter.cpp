// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/SystemPrinter.h"

#include "help/PagePainter.h"

#include "core/logic/Translated.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <utility>

SystemPrinter::SystemPrinter(QString pdfFile)
    : pdfFile_(std::move(pdfFile))
{
}

QString SystemPrinter::Print(const QString& documentName, const PageLayOut& layOut)
{
    // A PDF file for families without a printer, the default printer otherwise.
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPdfWriter> pdf;
    QPagedPaintDevice* device = nullptr;
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return Translated("PrinterDevice", NoPrinterMessage);
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(info.printerName());
        printer->setDocName(documentName);
        device = printer.get();
    } else {
        pdf = std::make_unique<QPdfWriter>(pdfFile_);
        pdf->setTitle(documentName);
        pdf->setCreator(QStringLiteral("Numbrella"));
        // The paper of the place the family lives in; a printer knows its own.
        pdf->setPageSize(PaperOf(QLocale::system().territory()) == Paper::Letter ? QPageSize(QPageSize::Letter)
                                                                                 : QPageSize(QPageSize::A4));
        device = pdf.get();
    }
    const PrintDocument pages = layOut(SetPrintMargins(*device));
    if (pages.isEmpty())
        return {}; // nothing to print: no job, not even an empty page
    const bool ok = PaintPages(*device, pages);
    if (!ok || (printer && (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted)))
        return Translated("PrinterDevice", PrintFailedMessage);
    return {};
}
