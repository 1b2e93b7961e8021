#include "help/SystemPrinter.h"

#include "help/logic/Printing.h"

#include <QFontMetrics>
#include <QPainter>
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
    QPrinter printer(QPrinter::HighResolution);
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return NoPrinterMessage;
        printer.setPrinterName(info.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile_);
    }
    printer.setDocName(QStringLiteral("Numbrella"));

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintFailedMessage;
    QFont font = painter.font();
    font.setPointSize(fontSize_);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int linesPerPage = printer.height() / metrics.lineSpacing();

    bool pageUsed = false;
    bool ok = true;
    for (const QString& piece : pieces) {
        for (const QStringList& page : Pages(piece, linesPerPage)) {
            if (pageUsed)
                ok = printer.newPage() && ok;
            int y = metrics.ascent();
            for (const QString& line : page) {
                painter.drawText(0, y, line);
                y += metrics.lineSpacing();
            }
            pageUsed = true;
        }
    }
    ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return PrintFailedMessage;
    return {};
}
