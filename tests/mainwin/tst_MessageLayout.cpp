// The message box's sizes: the text's area over the label's width, never less than the
// text takes word-wrapped, so no line is cut off.
#include "mainwin/logic/MessageLayout.h"

#include <QtTest>

class TestMessageLayout : public QObject {
    Q_OBJECT
private slots:
    void layOutMessage_data()
    {
        QTest::addColumn<QList<int>>("measured"); // one line's width and height, the wrapped height
        QTest::addColumn<QList<int>>("sizes");    // label height, button top, window height
        QTest::newRow("area not rounded to whole lines") << QList<int>{6000, 200, 0} << QList<int>{284, 824, 1624};
        QTest::newRow("word wrap needs more: never cut") << QList<int>{4 * 4215, 195, 975} << QList<int>{975, 1515, 2315};
    }
    void layOutMessage()
    {
        QFETCH(QList<int>, measured);
        QFETCH(QList<int>, sizes);
        const MessageLayout m = LayOutMessage(measured[0], measured[1], measured[2]);
        QCOMPARE((QList<int>{m.label1Height, m.buttonTop, m.windowHeight}), sizes);
    }
};

QTEST_APPLESS_MAIN(TestMessageLayout)
#include "tst_MessageLayout.moc"
