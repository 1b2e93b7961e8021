// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/SystemPrinter.h"

#include "help/PagePainter.h"
#include "help/PrinterModule.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPageSize>
#include <QPdfWriter>
#include <memory>
#include <utility>

namespace {

struct PrinterModule {
    OpenPrinterFunction open = nullptr;
    PrinterFailedFunction failed = nullptr;
    ClosePrinterFunction close = nullptr;
};

// The module beside the executable, loaded once; null when it cannot be.
const PrinterModule* Module()
{
    static const PrinterModule* module = []() -> const PrinterModule* {
        QLibrary file(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(PrinterModuleName));
        static PrinterModule functions;
        functions.open = reinterpret_cast<OpenPrinterFunction>(file.resolve("NumbrellaOpenPrinter"));
        functions.failed = reinterpret_cast<PrinterFailedFunction>(file.resolve("NumbrellaPrinterFailed"));
        functions.close = reinterpret_cast<ClosePrinterFunction>(file.resolve("NumbrellaClosePrinter"));
        if (!functions.open || !functions.failed || !functions.close) {
            qWarning("Numbrella: no printing, the printer module cannot be loaded: %s", qPrintable(file.errorString()));
            return nullptr;
        }
        return &functions;
    }();
    return module;
}

} // namespace

SystemPrinter::SystemPrinter(QString pdfFile)
    : pdfFile_(std::move(pdfFile))
{
}

QString SystemPrinter::Print(const QString& documentName, const PageLayOut& layOut)
{
    // A PDF file for families without a printer, the default printer otherwise.
    const PrinterModule* module = nullptr;
    std::unique_ptr<QPagedPaintDevice, ClosePrinterFunction> printer(nullptr, nullptr);
    std::unique_ptr<QPdfWriter> pdf;
    QPagedPaintDevice* device = nullptr;
    if (pdfFile_.isEmpty()) {
        module = Module();
        if (!module)
            return PrintFailedMessage;
        printer = std::unique_ptr<QPagedPaintDevice, ClosePrinterFunction>(module->open(&documentName), module->close);
        if (!printer)
            return NoPrinterMessage;
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
    if (!ok || (printer && module->failed(printer.get())))
        return PrintFailedMessage;
    return {};
}
