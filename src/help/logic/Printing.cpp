// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/logic/Printing.h"

#include <QRegularExpression>
#include <algorithm>

QString PrintText(PrinterDevice& printer, const QString& text)
{
    printer.SetFontSize(PrintFontSize);
    printer.Print(text);
    printer.NewPage();
    return printer.EndDoc();
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
