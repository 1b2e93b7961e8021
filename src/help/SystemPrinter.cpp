// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/SystemPrinter.h"

#include "help/logic/Printing.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <utility>

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
    if (!pdfFile_.isEmpty()) {
        QPdfWriter pdf(pdfFile_);
        pdf.setTitle(QStringLiteral("Numbrella"));
        pdf.setCreator(QStringLiteral("Numbrella"));
        return PrintPieces(pdf, pieces, fontSize_) ? QString() : PrintFailedMessage;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return NoPrinterMessage;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(info.printerName());
    printer.setDocName(QStringLiteral("Numbrella"));
    const bool ok = PrintPieces(printer, pieces, fontSize_);
    if (!ok || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
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
