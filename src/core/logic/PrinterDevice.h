// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The printer as the program reaches it: it is handed a function that lays pages out for the
// paper's area inside the margins, draws those pages and sends the job. The pages are kept as
// what is drawn on them (texts, boxes and lines in twips), so that the rules of a printout are
// plain code and a test reads what would come out. The platform hands out the real printer or
// a PDF file; tests use their own.

#include <QLine>
#include <QList>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// In English; translated with the context "PrinterDevice" where they are shown.
inline const QString NoPrinterMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "PrinterDevice",
    "Numbrella could not find a printer, so nothing was printed.  Please ask a grown-up to set up a printer "
    "and try again."));
inline const QString PrintFailedMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "PrinterDevice",
    "The printer did not take the pages, so they may not come out.  Please ask a grown-up to check that the "
    "printer is switched on and has paper, and try again."));

// One thing drawn on a page, in twips from the top left corner of the area inside the margins.
struct PrintItem {
    enum class Kind { Text, Box, Line };
    Kind kind = Kind::Text;
    QRect place;          // a text's or a box's
    QLine line;
    QString text;
    double points = 12;   // the type's size; smaller when the text is wider than its place
    bool bold = false;
    bool fixed = false;   // type of one width
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    unsigned colour = 0;  // RGB, red in the low byte: a text's, a line's, a box's outline
    int pen = 0;          // a line's or an outline's width in twips; a box with 0 has no outline
    std::optional<unsigned> fill;
    bool hatched = false; // white stripes across the fill, so that it reads in black and white too
};

struct PrintPage {
    QList<PrintItem> items;

    PrintItem& Text(const QRect& place, const QString& text, double points,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    PrintItem& Box(const QRect& place, std::optional<unsigned> fill, int pen = 0, unsigned colour = 0);
    PrintItem& Line(const QLine& line, int pen, unsigned colour = 0);
    // Every item moved by the offset and, with the factor, made that much smaller from the corner.
    void Shift(const QPoint& offset, double factor = 1);
};
using PrintDocument = QList<PrintPage>;

// Lays the pages out for the area inside the paper's margins, in twips.
using PageLayOut = std::function<PrintDocument(QSize area)>;

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Lays the pages out for its paper and sends them, each on a sheet of its own; no job at all
    // when there is no page. "" when they went, otherwise what the user is told.
    virtual QString Print(const QString& documentName, const PageLayOut& layOut) = 0;
};

// Paper of a place: Letter in the countries that use it, A4 everywhere else.
enum class Paper { A4, Letter };
Paper PaperOf(QLocale::Territory territory);
constexpr double PrintMarginMm = 15;
constexpr int MmToTwips(double mm) { return static_cast<int>(mm * 1440 / 25.4 + 0.5); }
// The area inside margins of 15 mm, in twips.
QSize PrintArea(Paper paper);
