// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/PagePainter.h"

#include "core/WindowUtils.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

// Twips to the device's pixels.
struct Scale {
    double x, y;
    QPointF At(QPoint p) const { return {p.x() * x, p.y() * y}; }
    QRectF Of(const QRect& r) const { return {At(r.topLeft()), QSizeF(r.width() * x, r.height() * y)}; }
};

QPen PenOf(const PrintItem& item, const Scale& s)
{
    return QPen(ToQColor(item.colour), item.pen * s.x, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void DrawText(QPainter& painter, const PrintItem& item, const QRectF& place)
{
    QFont font = QFontDatabase::systemFont(item.fixed ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont);
    font.setPointSizeF(item.points);
    font.setBold(item.bold);
    // A text never runs out of its place: a long name gets smaller type instead.
    const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(item.text);
    if (wide > place.width() && wide > 0)
        font.setPointSizeF(item.points * place.width() / wide * 0.98);
    painter.setFont(font);
    painter.setPen(ToQColor(item.colour));
    painter.drawText(place, static_cast<int>(item.align), item.text);
}

void DrawBox(QPainter& painter, const PrintItem& item, const QRectF& place, const Scale& s)
{
    if (item.fill) {
        painter.fillRect(place, ToQColor(*item.fill));
        if (item.hatched) {
            // Stripes about a millimetre apart, drawn here: the brush's patterns are in device pixels.
            painter.save();
            painter.setClipRect(place);
            painter.setPen(QPen(Qt::white, 15 * s.x));
            const double step = 60 * s.x;
            for (double d = -place.height(); d < place.width(); d += step)
                painter.drawLine(QPointF(place.left() + d, place.bottom()), QPointF(place.left() + d + place.height(), place.top()));
            painter.restore();
        }
    }
    if (item.pen > 0) {
        painter.setPen(PenOf(item, s));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place);
    }
}

} // namespace

QSize SetPrintMargins(QPagedPaintDevice& device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    device.setPageMargins(least + QMarginsF(PrintMarginMm, PrintMarginMm, PrintMarginMm, PrintMarginMm), QPageLayout::Millimeter);
    const QRectF inside = device.pageLayout().paintRect(QPageLayout::Point);
    return {static_cast<int>(inside.width() * 20), static_cast<int>(inside.height() * 20)};
}

bool PaintPages(QPagedPaintDevice& device, const PrintDocument& pages)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const Scale s{device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0};
    bool ok = true;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            ok = device.newPage() && ok;
        for (const PrintItem& item : pages[i].items) {
            switch (item.kind) {
            case PrintItem::Kind::Text: DrawText(painter, item, s.Of(item.place)); break;
            case PrintItem::Kind::Box: DrawBox(painter, item, s.Of(item.place), s); break;
            case PrintItem::Kind::Line:
                painter.setPen(PenOf(item, s));
                painter.drawLine(s.At(item.line.p1()), s.At(item.line.p2()));
                break;
            }
        }
    }
    return painter.end() && ok;
}
