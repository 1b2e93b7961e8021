// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/SystemPrinter.h"

#include "help/PrinterModule.h"
#include "help/logic/Printing.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLibrary>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
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

void SystemPrinter::Print(const QString& text)
{
    pieces_.back() += text;
}

void SystemPrinter::NewPage()
{
    if (!pieces_.back().isEmpty())
        pieces_.emplace_back();
}

QString SystemPrinter::EndDoc()
{
    const std::vector<QString> pieces = std::exchange(pieces_, std::vector<QString>{QString()});
    if (pieces.front().isEmpty())
        return {}; // nothing was printed: no job, not even an empty page
    // A PDF file for families without a printer, the default printer otherwise.
    const PrinterModule* module = nullptr;
    std::unique_ptr<QPagedPaintDevice, ClosePrinterFunction> printer(nullptr, nullptr);
    std::unique_ptr<QPdfWriter> pdf;
    QPagedPaintDevice* device = nullptr;
    if (pdfFile_.isEmpty()) {
        module = Module();
        if (!module)
            return PrintFailedMessage;
        const QString documentName = QStringLiteral("Numbrella");
        printer = std::unique_ptr<QPagedPaintDevice, ClosePrinterFunction>(module->open(&documentName), module->close);
        if (!printer)
            return NoPrinterMessage;
        device = printer.get();
    } else {
        pdf = std::make_unique<QPdfWriter>(pdfFile_);
        pdf->setTitle(QStringLiteral("Numbrella"));
        pdf->setCreator(QStringLiteral("Numbrella"));
        device = pdf.get();
    }
    const bool ok = PrintPieces(*device, pieces, fontSize_);
    if (!ok || (printer && module->failed(printer.get())))
        return PrintFailedMessage;
    return {};
}

bool PrintPieces(QPagedPaintDevice& device, const std::vector<QString>& pieces, int fontSize)
{
    // Paper a printer cannot reach is no margin: the 15 mm are kept inside what it can print on.
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    constexpr double margin = 15;
    device.setPageMargins(layout.minimumMargins() + QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Type of one width, so that texts laid out in columns (tables, grids) keep them.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(fontSize);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int linesPerPage = painter.viewport().height() / metrics.lineSpacing();

    bool pageUsed = false;
    bool ok = true;
    for (const QString& piece : pieces) {
        for (const QStringList& page : Pages(piece, linesPerPage)) {
            if (pageUsed)
                ok = device.newPage() && ok;
            int y = metrics.ascent();
            for (const QString& line : page) {
                painter.drawText(0, y, line);
                y += metrics.lineSpacing();
            }
            pageUsed = true;
        }
    }
    return painter.end() && ok;
}
