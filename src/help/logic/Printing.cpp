// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/logic/Printing.h"

#include <QRegularExpression>
#include <algorithm>

QString PrintText(PrinterDevice& printer, const QString& text)
{
    return printer.Print(QStringLiteral("Numbrella"), [&text](QSize area) { return ManualPages(text, area); });
}

PrintDocument ManualPages(const QString& text, QSize area)
{
    PrintDocument document;
    for (const QStringList& lines : Pages(text, area.height() / ManualLinePitch)) {
        PrintPage& page = document.emplace_back();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            // Lines stay as they are: type of one width keeps the manual's indents and columns.
            page.Text(QRect(0, static_cast<int>(i) * ManualLinePitch, area.width(), ManualLinePitch), lines[i], PrintFontSize)
                .fixed = true;
        }
    }
    return document;
}

std::vector<QStringList> Pages(const QString& text, int linesPerPage)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();
    linesPerPage = std::max(linesPerPage, 1);
    std::vector<QStringList> pages;
    for (qsizetype i = 0; i < lines.size(); i += linesPerPage)
        pages.push_back(lines.mid(i, linesPerPage));
    while (!pages.empty()
           && std::all_of(pages.back().cbegin(), pages.back().cend(), [](const QString& l) { return l.isEmpty(); }))
        pages.pop_back();
    return pages;
}
