// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/OnScreen.h"

#include <QLayout>
#include <QWidget>

void ShowBeforeChildren(QWidget* window)
{
    QList<QWidget*> children;
    for (QObject* object : window->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden()) {
            child->hide();
            children.append(child);
        }
    }
    window->show();
    for (QWidget* child : children)
        child->show();
    if (window->layout())
        window->layout()->activate();
}
