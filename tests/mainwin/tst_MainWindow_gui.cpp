// The message box and the background window's menu.
#include "core/WindowUtils.h"
#include "core/logic/TextResource.h"
#include "mainwin/BackForm.h"
#include "mainwin/logic/MessageLayout.h"
#include "support/GuiSupport.h"

#include <QPushButton>
#include <QtTest>

namespace {
QPushButton* Button(const char* name)
{
    M_Boxx* box = Forms::Find<M_Boxx>();
    return box ? box->findChild<QPushButton*>(QString::fromLatin1(name)) : nullptr;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void layout_data();
    void layout();
    void askYesNo_data();
    void askYesNo();
    void showMessageAfterAskYesNo();
    void greyOnA256ColourDisplay();
    void menuEntries_data();
    void menuEntries();
    void minimiseTakesTheOthersAlong();

private:
    GuiFixture fx;
};

void TestMainWindow::init()
{
    fx.Reset();
}

void TestMainWindow::layout_data()
{
    QTest::addColumn<int>("oneLineWidth");
    QTest::addColumn<int>("oneLineHeight");
    QTest::addColumn<int>("wrapped");
    QTest::addColumn<int>("label1Height");
    QTest::addColumn<int>("buttonTop");
    QTest::addColumn<int>("windowHeight");
    QTest::newRow("four times as wide as the label: four lines") << 4 * 4215 << 195 << 780 << 780 << 1320 << 2120;
    QTest::newRow("area not rounded to whole lines") << 6000 << 200 << 0 << 284 << 824 << 1624;
    QTest::newRow("word wrap needs more: never cut") << 4 * 4215 << 195 << 975 << 975 << 1515 << 2315;
}

void TestMainWindow::layout()
{
    QFETCH(int, oneLineWidth);
    QFETCH(int, oneLineHeight);
    QFETCH(int, wrapped);
    QFETCH(int, label1Height);
    QFETCH(int, buttonTop);
    QFETCH(int, windowHeight);
    const MessageLayout m = LayOutMessage(oneLineWidth, oneLineHeight, wrapped);
    QCOMPARE(m.label1Height, label1Height);
    QCOMPARE(m.buttonTop, buttonTop);
    QCOMPARE(m.windowHeight, windowHeight);
}

void TestMainWindow::askYesNo_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("key y on Yes") << "y" << 1;
    QTest::newRow("key n on No") << "n" << 0;
    QTest::newRow("closed without choosing") << "close" << 0;
    QTest::newRow("key n on Yes does nothing, then No") << "n-on-yes" << 0;
}

void TestMainWindow::askYesNo()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    bool stillOpenAfterWrongKey = false;
    QTimer::singleShot(20, [&] {
        if (how == "y") {
            QTest::keyClick(Button("Command2"), 'y');
        } else if (how == "n") {
            QTest::keyClick(Button("Command3"), 'n');
        } else if (how == "close") {
            Forms::Find<M_Boxx>()->close();
        } else {
            QTest::keyClick(Button("Command2"), 'n');
            stillOpenAfterWrongKey = Forms::Find<M_Boxx>() != nullptr;
            Button("Command3")->click();
        }
    });
    QCOMPARE(AskYesNo(QStringLiteral("Are you sure you want to remove Ann from this list?")), answer);
    QCOMPARE(int(fx.state.MsgBoxResult), 0);
    if (how == "n-on-yes")
        QVERIFY(stillOpenAfterWrongKey);
}

void TestMainWindow::showMessageAfterAskYesNo()
{
    QTimer::singleShot(20, [] { Button("Command2")->click(); });
    QCOMPARE(AskYesNo(QStringLiteral("Sure?")), 1);
    bool okShown = false, yesShown = true;
    QTimer::singleShot(20, [&] {
        okShown = Button("Command1")->isVisible();
        yesShown = Button("Command2")->isVisible() || Button("Command3")->isVisible();
        QTest::keyClick(Button("Command1"), 'o');
    });
    ShowMessage(QStringLiteral("String not found."));
    QVERIFY(okShown);
    QVERIFY(!yesShown);
    QVERIFY(Forms::Find<M_Boxx>() == nullptr);
}

void TestMainWindow::greyOnA256ColourDisplay()
{
    for (int colours : {256, -1}) {
        fx.state.DisplayColours = colours;
        double boxColour = 0, labelColour = 0;
        QTimer::singleShot(20, [&] {
            M_Boxx* box = Forms::Find<M_Boxx>();
            boxColour = *BackColorOf(box);
            labelColour = *BackColorOf(box->findChild<QLabel*>(QStringLiteral("Label1")));
            Button("Command1")->click();
        });
        ShowMessage(QStringLiteral("Hello"));
        const double expected = colours == 256 ? 0xC0C0C0 : 0xE0E0E0;
        QCOMPARE(boxColour, expected);
        QCOMPARE(labelColour, expected);
    }
}

void TestMainWindow::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Send us your comments") << "SendComments" << "sendcom.htm" << false;
    QTest::newRow("Update Notification") << "Updates" << "mupdate.htm" << false;
    QTest::newRow("Exit") << "Exit" << "" << true;
}

void TestMainWindow::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, opened);
    QFETCH(bool, ends);
    fx.CopyData(QStringLiteral("nbr.txx"));
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    back->findChild<QAction*>(entry)->trigger();
    QCOMPARE(fx.platform->ended, ends);
    QCOMPARE(fx.platform->opened.size(), opened.isEmpty() ? 0 : 1);
    if (opened.isEmpty())
        return;
    QCOMPARE(QFileInfo(fx.platform->opened.first()).fileName(), opened);
    if (entry != "SendComments")
        return;
    QVERIFY(QFileInfo(fx.platform->opened.first()).isAbsolute());
    // The page is section 10 byte for byte, with no line end added.
    QCOMPARE(ReadBytes(QStringLiteral("sendcom.htm")), TextSection(ReadBytes(QStringLiteral("nbr.txx")), 10).toUtf8());
}

void TestMainWindow::minimiseTakesTheOthersAlong()
{
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    M_Boxx* open = Forms::Load<M_Boxx>();
    open->show();
    back->showMinimized();
    QTRY_VERIFY(open->isMinimized());
    back->showNormal();
    QTRY_VERIFY(!open->isMinimized());
    QVERIFY(open->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow_gui.moc"
