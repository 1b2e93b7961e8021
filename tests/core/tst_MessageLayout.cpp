// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The message box's sizes: the text's area over the label's width, never less than the
// text takes word-wrapped, so no line is cut off.
#include "core/logic/MessageLayout.h"

#include <QtTest>

class TestMessageLayout : public QObject {
    Q_OBJECT
private slots:
    void layOutMessage_data()
    {
        // One line's width and height and the wrapped height; then label height, button top, window height.
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("area not rounded to whole lines") << QList<int>{6000, 200, 0, 284, 824, 1624};
        QTest::newRow("word wrap needs more: never cut") << QList<int>{4 * 4215, 195, 975, 975, 1515, 2315};
    }
    void layOutMessage()
    {
        QFETCH(QList<int>, sizes);
        const MessageLayout m = LayOutMessage(sizes[0], sizes[1], sizes[2]);
        QCOMPARE((QList<int>{m.label1Height, m.buttonTop, m.windowHeight}), sizes.mid(3));
    }
};

QTEST_APPLESS_MAIN(TestMessageLayout)
#include "tst_MessageLayout.moc"
