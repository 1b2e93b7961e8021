// Centring a window, in twips, and the text of a tooltip.
#include "core/logic/Geometry.h"
#include "core/logic/ToolTipText.h"

#include <QtTest>

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void centre_data();
    void centre();
    void toolTipText_data();
    void toolTipText();
};

void TestGeometry::centre_data()
{
    QTest::addColumn<int>("sw");
    QTest::addColumn<int>("sh");
    QTest::addColumn<int>("ww");
    QTest::addColumn<int>("wh");
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("4800x3600 on 15360x11520") << 15360 << 11520 << 4800 << 3600 << QPoint(5280, 3740);
    QTest::newRow("larger than the screen: truncated toward zero") << 1000 << 1000 << 1003 << 1003 << QPoint(-1, -221);
}

void TestGeometry::centre()
{
    QFETCH(int, sw);
    QFETCH(int, sh);
    QFETCH(int, ww);
    QFETCH(int, wh);
    QFETCH(QPoint, pos);
    QCOMPARE(CentredPosition(sw, sh, ww, wh), pos);
}

void TestGeometry::toolTipText_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("tip");
    QTest::newRow("plain") << "This adds a new name to the list." << "This adds a new name to the list.";
    QTest::newRow("placed: offsets of four characters") << "*1200240 User list" << "User list";
}

void TestGeometry::toolTipText()
{
    QFETCH(QString, tag);
    QFETCH(QString, tip);
    QCOMPARE(ToolTipText(tag), tip);
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_Geometry.moc"
