// Layout arithmetic: centring, the window bevel and the 3-D borders, in twips.
#include "core/logic/Geometry.h"
#include "core/logic/ToolTipText.h"

#include <QtTest>

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void centre_data();
    void centre();
    void bevel();
    void border_data();
    void border();
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
    QTest::newRow("odd difference truncates") << 1001 << 1001 << 0 << 0 << QPoint(500, 280);
    QTest::newRow("window larger than screen truncates toward zero") << 1000 << 1000 << 1001 << 1001 << QPoint(0, -220);
    QTest::newRow("window much larger") << 1000 << 1000 << 1003 << 1003 << QPoint(-1, -221);
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

void TestGeometry::bevel()
{
    const auto s = BevelSegments(0, 0, 4725, 2000);
    QCOMPARE(s.size(), std::size_t(8));
    // Outer: width - 15, height - 15; top and left light, right and bottom dark.
    QCOMPARE(s[0], (Segment{0, 0, 4710, 0, BevelLight}));
    QCOMPARE(s[1], (Segment{4710, 0, 4710, 1985, BevelDark}));
    QCOMPARE(s[2], (Segment{4710, 1985, 0, 1985, BevelDark}));
    QCOMPARE(s[3], (Segment{0, 1985, 0, 0, BevelLight}));
    // Inner: from (15, 15), width - 45, height - 45.
    QCOMPARE(s[4], (Segment{15, 15, 4695, 15, BevelLight}));
    QCOMPARE(s[5], (Segment{4695, 15, 4695, 1970, BevelDark}));
    QCOMPARE(s[6], (Segment{4695, 1970, 15, 1970, BevelDark}));
    QCOMPARE(s[7], (Segment{15, 1970, 15, 15, BevelLight}));
}

void TestGeometry::border_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("onWindow");
    QTest::addColumn<unsigned>("topLeft");
    QTest::addColumn<unsigned>("bottomRight");
    QTest::newRow("sunken on a window") << 1 << true << BevelDark << BorderWhite;
    QTest::newRow("sunken on a picture box") << 1 << false << BevelDark << BorderWhite;
    QTest::newRow("raised") << 2 << true << BorderWhite << BevelDark;
    QTest::newRow("erase on a window uses the back colour") << 3 << true << 0x123456u << 0x123456u;
    QTest::newRow("erase on a picture box draws raised") << 3 << false << BorderWhite << BevelDark;
}

void TestGeometry::border()
{
    QFETCH(int, style);
    QFETCH(bool, onWindow);
    QFETCH(unsigned, topLeft);
    QFETCH(unsigned, bottomRight);
    const auto s = BorderSegments(1000, 500, 2000, 300, 2, style, 0x123456, onWindow);
    QCOMPARE(s.size(), std::size_t(8));
    // Ring 1 at (985, 485), 2020 x 320; ring 2 at (970, 470), 2050 x 350.
    QCOMPARE(s[0], (Segment{985, 485, 3005, 485, topLeft}));
    QCOMPARE(s[1], (Segment{3005, 485, 3005, 805, bottomRight}));
    QCOMPARE(s[2], (Segment{3005, 805, 985, 805, bottomRight}));
    QCOMPARE(s[3], (Segment{985, 805, 985, 485, topLeft}));
    QCOMPARE(s[4], (Segment{970, 470, 3020, 470, topLeft}));
    QCOMPARE(s[6], (Segment{3020, 820, 970, 820, bottomRight}));
}

void TestGeometry::toolTipText_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("tip");
    QTest::newRow("plain") << "This adds a new name to the list." << "This adds a new name to the list.";
    QTest::newRow("placed: offsets of four characters") << "*1200240 User list" << "User list";
    QTest::newRow("empty") << "" << "";
}

void TestGeometry::toolTipText()
{
    QFETCH(QString, tag);
    QFETCH(QString, tip);
    QCOMPARE(ToolTipText(tag), tip);
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_Geometry.moc"
