// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/PrinterDevice.h"

#include <cmath>

PrintItem& PrintPage::Text(const QRect& place, const QString& text, double points, Qt::Alignment align)
{
    PrintItem& item = items.emplace_back();
    item.place = place;
    item.text = text;
    item.points = points;
    item.align = align;
    return item;
}

PrintItem& PrintPage::Box(const QRect& place, std::optional<unsigned> fill, int pen, unsigned colour)
{
    PrintItem& item = items.emplace_back();
    item.kind = PrintItem::Kind::Box;
    item.place = place;
    item.fill = fill;
    item.pen = pen;
    item.colour = colour;
    return item;
}

PrintItem& PrintPage::Line(const QLine& line, int pen, unsigned colour)
{
    PrintItem& item = items.emplace_back();
    item.kind = PrintItem::Kind::Line;
    item.line = line;
    item.pen = pen;
    item.colour = colour;
    return item;
}

void PrintPage::Shift(const QPoint& offset, double factor)
{
    const auto at = [&](QPoint p) { return QPoint(std::lround(p.x() * factor), std::lround(p.y() * factor)) + offset; };
    for (PrintItem& item : items) {
        const QPoint end = at(item.place.topLeft() + QPoint(item.place.width(), item.place.height()));
        item.place = QRect(at(item.place.topLeft()), end - QPoint(1, 1));
        item.line = QLine(at(item.line.p1()), at(item.line.p2()));
        item.points *= factor;
        item.pen = item.pen > 0 ? std::max(1, static_cast<int>(std::lround(item.pen * factor))) : 0;
    }
}

Paper PaperOf(QLocale::Territory territory)
{
    // The Americas that kept the US sizes, and the Philippines.
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Belize:
    case QLocale::Guatemala:
    case QLocale::ElSalvador:
    case QLocale::Honduras:
    case QLocale::Nicaragua:
    case QLocale::CostaRica:
    case QLocale::Panama:
    case QLocale::PuertoRico:
    case QLocale::DominicanRepublic:
    case QLocale::Venezuela:
    case QLocale::Colombia:
    case QLocale::Chile:
    case QLocale::Philippines:
        return Paper::Letter;
    default:
        return Paper::A4;
    }
}

QSize PrintArea(Paper paper)
{
    const QSize sheet = paper == Paper::Letter ? QSize(12240, 15840) : QSize(MmToTwips(210), MmToTwips(297));
    const int margin = MmToTwips(PrintMarginMm);
    return sheet - QSize(2 * margin, 2 * margin);
}
