// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Acting on a window as a person would, from short step texts, for the tables of the player
// and configuration window tests.

#include "support/GuiSupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

// Each action in turn: "#n" clicks row n of the window's list; "Name=value" picks entry value of
// a list with the arrow keys, types value over a box's text or checks a label shows value;
// "paste" pastes a line break into the name box; "close" closes the window by its title bar;
// "key:Name" presses that key where the focus is;
// anything else clicks the visible button with that caption, or else the widget of that name.
inline void Act(QWidget* w, const QStringList& actions)
{
    for (const QString& a : actions) {
        auto* target = w->findChild<QWidget*>(a.section('=', 0, 0));
        const QString value = a.section('=', 1);
        if (auto* list = w->findChild<QListWidget*>(QStringLiteral("List1")); list && a.startsWith('#')) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(a.mid(1).toInt())).center());
        } else if (auto* entries = qobject_cast<QComboBox*>(target)) {
            for (int i = 0; i < 12 && entries->currentIndex() != value.toInt(); ++i)
                QTest::keyClick(entries, entries->currentIndex() < value.toInt() ? Qt::Key_Down : Qt::Key_Up);
        } else if (qobject_cast<QLineEdit*>(target)) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(target, value);
        } else if (auto* label = qobject_cast<QLabel*>(target); label && a.contains('=')) {
            QCOMPARE(label->text(), value);
        } else if (a == "paste") {
            QGuiApplication::clipboard()->setText(QStringLiteral("Z\r\nZ"));
            QTest::keyClick(Child<QLineEdit>(w, "Text1"), Qt::Key_V, Qt::ControlModifier);
        } else if (a.startsWith("key:")) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, QKeySequence(a.mid(4))[0].key());
        } else if (a == "close") {
            w->close();
        } else {
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                if (b->text() == a && b->isVisible())
                    target = b;
            // A caption shows whole, with a margin of 8 pixels each side.
            if (qobject_cast<QAbstractButton*>(target) && a != target->objectName())
                QVERIFY2(target->fontMetrics().horizontalAdvance(a) + 16 <= target->width(), qPrintable(a + " is cut"));
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, 6));
        }
    }
}

// Adds a script step for the window of that class name among the given classes.
template <class... Windows> void OnWindow(Script& script, const QString& window, const std::function<void(QWidget*)>& act)
{
    ((window == QLatin1String(Windows::staticMetaObject.className()) ? void(script.On<Windows>(act)) : void()), ...);
}
