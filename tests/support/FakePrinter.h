// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A printer for tests: keeps the pages laid out for its paper (A4 unless a test sets another
// area) and the document's name, and answers with a chosen failure ("" prints).

#include "core/logic/PrinterDevice.h"

#include <QStringList>

// The texts of the pages in the order they are drawn, each followed by a line end.
inline QString PrintedText(const PrintDocument& pages)
{
    QString text;
    for (const PrintPage& page : pages)
        for (const PrintItem& item : page.items)
            if (item.kind == PrintItem::Kind::Text)
                text += item.text + QLatin1Char('\n');
    return text;
}

class FakePrinter : public PrinterDevice {
public:
    QString Print(const QString& documentName, const PageLayOut& layOut) override
    {
        names << documentName;
        pages = layOut(area);
        return failure;
    }

    QSize area = PrintArea(Paper::A4);
    QStringList names;
    PrintDocument pages;
    QString failure;
};
