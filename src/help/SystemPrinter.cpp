#include "help/SystemPrinter.h"

#include "help/logic/Printing.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <memory>
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
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPdfWriter> pdf;
    QPagedPaintDevice* device = nullptr;
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return NoPrinterMessage;
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(info.printerName());
        printer->setDocName(QStringLiteral("Numbrella"));
        device = printer.get();
    } else {
        pdf = std::make_unique<QPdfWriter>(pdfFile_);
        pdf->setTitle(QStringLiteral("Numbrella"));
        pdf->setCreator(QStringLiteral("Numbrella"));
        pdf->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        device = pdf.get();
    }

    QPainter painter;
    if (!painter.begin(device))
        return PrintFailedMessage;
    // Type of one width, so that texts laid out in columns (tables, grids) keep them.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(fontSize_);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int linesPerPage = painter.viewport().height() / metrics.lineSpacing();

    bool pageUsed = false;
    bool ok = true;
    for (const QString& piece : pieces) {
        for (const QStringList& page : Pages(piece, linesPerPage)) {
            if (pageUsed)
                ok = device->newPage() && ok;
            int y = metrics.ascent();
            for (const QString& line : page) {
                painter.drawText(0, y, line);
                y += metrics.lineSpacing();
            }
            pageUsed = true;
        }
    }
    ok = painter.end() && ok;
    if (!ok || (printer && (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted)))
        return PrintFailedMessage;
    return {};
}
