// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/Artwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

Artwork::Artwork(QWidget* parent, bool onServer)
    : ServerSurface(parent, onServer, true)
{
    if (!OnServer())
        setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void Artwork::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit Clicked();
}

void Artwork::Draw(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 200 x 200 canvas, scaled to the widget.
    const double side = std::min(width(), height());
    p.translate((width() - side) / 2.0, (height() - side) / 2.0);
    p.scale(side / 200.0, side / 200.0);

    // Numbers falling like rain.
    const struct { double x, y; const char* text; QColor colour; } drops[] = {
        {18, 30, "3", QColor(230, 60, 60)},   {46, 12, "+", QColor(40, 120, 220)},
        {150, 14, "7", QColor(40, 160, 70)},  {178, 38, "\u00d7", QColor(240, 140, 0)},
        {12, 78, "5", QColor(150, 60, 200)},  {186, 86, "2", QColor(230, 60, 60)},
        {100, 6, "\u00f7", QColor(150, 60, 200)}, {72, 22, "9", QColor(240, 140, 0)},
        {126, 28, "=", QColor(40, 120, 220)},
    };
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    for (const auto& d : drops) {
        p.setPen(d.colour);
        p.drawText(QRectF(d.x - 12, d.y - 12, 24, 24), Qt::AlignCenter, QString::fromUtf8(d.text));
    }

    // The canopy: a dome with a scalloped rim, cut into six coloured panels.
    const QColor panels[] = {QColor(230, 60, 60), QColor(240, 140, 0), QColor(250, 210, 40),
                             QColor(60, 170, 80), QColor(40, 120, 220), QColor(150, 60, 200)};
    const double left = 22, right = 178, rim = 120, top = 42;
    const double step = (right - left) / 6;
    QPainterPath dome;
    dome.moveTo(left, rim);
    dome.arcTo(QRectF(left, top, right - left, 2 * (rim - top)), 180, -180);
    for (int i = 6; i > 0; --i)
        dome.quadTo(QPointF(left + (i - 0.5) * step, rim - 12), QPointF(left + (i - 1) * step, rim));
    dome.closeSubpath();
    const double pi = std::acos(-1.0);
    p.save();
    p.setClipPath(dome);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const double a0 = pi + i * pi / 6, a1 = pi + (i + 1) * pi / 6;
        QPolygonF wedge;
        wedge << QPointF(100, rim) << QPointF(100 + 300 * std::cos(a0), rim + 300 * std::sin(a0))
              << QPointF(100 + 300 * std::cos(a1), rim + 300 * std::sin(a1));
        p.setBrush(panels[i]);
        p.drawPolygon(wedge);
    }
    p.restore();
    p.setPen(QPen(QColor(60, 40, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(dome);

    // The shaft and the hooked handle.
    p.setPen(QPen(QColor(90, 60, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(100, 112), QPointF(100, 176));
    QPainterPath hook;
    hook.moveTo(100, 176);
    hook.arcTo(QRectF(100, 164, 24, 24), 180, 180);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QPointF(100, 38), 4, 4);
}
