// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "config/SwatchFrame.h"

#include "core/Keyboard.h"
#include "core/WindowUtils.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

SwatchFrame::SwatchFrame(QWidget* parent)
    : QGroupBox(tr("Colors"), parent)
{
    for (int i = 0; i < SwatchCount; ++i) {
        const Swatch s = SwatchAt(i);
        const QByteArray name = QByteArrayLiteral("Label13_") + QByteArray::number(i);
        Label13[i] = MakeControl<QLabel>(this, name.constData(), s.left, s.top, SwatchSize, SwatchSize);
        Label13[i]->setFrameShape(QFrame::Box);
        Label13[i]->setCursor(Qt::PointingHandCursor);
        SetBackColor(Label13[i], s.colour);
        Label13[i]->installEventFilter(this);
        Label13[i]->setFocusPolicy(Qt::TabFocus); // chosen with Space or Return too
    }
    // One Tab stop for the sixteen, the arrow keys going through them row by row.
    QList<QWidget*> reading;
    for (int cell = 0; cell < SwatchCount; ++cell)
        reading << Label13[SwatchInCell(cell)];
    Keyboard::ArrowGroup(reading, SwatchColumns);
}

double SwatchFrame::ColourOf(int index) const
{
    return BackColorOf(Label13.at(index)).value_or(0);
}

void SwatchFrame::SetColour(int index, double colour)
{
    SetBackColor(Label13.at(index), colour);
}

bool SwatchFrame::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    const bool choose = type == QEvent::MouseButtonPress || IsEnterPress(event)
        || (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space);
    for (int i = 0; i < SwatchCount; ++i) {
        if (watched != Label13[i])
            continue;
        if (choose) {
            emit SwatchClicked(i);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
