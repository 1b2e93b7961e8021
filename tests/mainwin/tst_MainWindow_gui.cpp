// The message box and the background window's menu.
#include "core/App.h"
#include "core/WindowUtils.h"
#include "mainwin/BackForm.h"
#include "mainwin/M_Boxx.h"
#include "core/logic/TextResource.h"
#include "mainwin/logic/MessageLayout.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
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
    void fourTimesWideMessage();
    void askYesNo_data();
    void askYesNo();
    void showMessageAfterAskYesNo();
    void greyOnA256ColourDisplay();
    void menuEntries_data();
    void menuEntries();
    void playerEntriesHide();
    void minimiseTakesTheOthersAlong();

private:
    AppState state;
    std::unique_ptr<TestPlatform> platform;
};

void TestMainWindow::init()
{
    state = AppState();
    platform = std::make_unique<TestPlatform>();
    platform->EnterProgramDir();
    InstallApp(&state, platform.get());
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
    QTest::newRow("short message: a fraction of a line") << 2000 << 195 << 195 << 195 << 735 << 1535;
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

void TestMainWindow::fourTimesWideMessage()
{
    // Words of equal width make the wrap come out at whole lines.
    QString text;
    QLabel probe;
    while (PixelsToTwips(probe.fontMetrics().horizontalAdvance(text)) < 4 * 4215)
        text += QStringLiteral("numbers ");
    int label1Height = 0, buttonTop = 0, boxHeight = 0, oneLine = 0;
    QTimer::singleShot(20, [&] {
        M_Boxx* box = Forms::Find<M_Boxx>();
        auto* l1 = box->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* l2 = box->findChild<QLabel*>(QStringLiteral("Label2"));
        label1Height = PixelsToTwips(l1->height());
        oneLine = PixelsToTwips(l2->height());
        buttonTop = PixelsToTwips(Button("Command1")->y());
        boxHeight = box->Height();
        QVERIFY(Button("Command1")->isVisible());
        QVERIFY(!Button("Command2")->isVisible());
        Button("Command1")->click();
    });
    ShowMessage(text);
    QVERIFY(label1Height >= 4 * oneLine - TwipsPerPixel);
    QVERIFY(label1Height <= 6 * oneLine);
    QCOMPARE(buttonTop, 240 + label1Height + 300);
    QVERIFY(qAbs(boxHeight - (buttonTop + 800)) < TwipsPerPixel);
    QVERIFY(Forms::Find<M_Boxx>() == nullptr);
}

void TestMainWindow::askYesNo_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::newRow("key y on Yes") << "y" << 1;
    QTest::newRow("key Y on Yes") << "Y" << 1;
    QTest::newRow("key n on No") << "n" << 0;
    QTest::newRow("click Yes") << "Command2" << 1;
    QTest::newRow("click No") << "Command3" << 0;
    QTest::newRow("closed without choosing") << "close" << 0;
    QTest::newRow("key n on Yes does nothing, then No") << "n-on-yes" << 0;
}

void TestMainWindow::askYesNo()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    bool stillOpenAfterWrongKey = false;
    QTimer::singleShot(20, [&] {
        if (how == "y" || how == "Y") {
            QTest::keyClick(Button("Command2"), how.at(0).toLatin1());
        } else if (how == "n") {
            QTest::keyClick(Button("Command3"), 'n');
        } else if (how == "close") {
            Forms::Find<M_Boxx>()->close();
        } else if (how == "n-on-yes") {
            QTest::keyClick(Button("Command2"), 'n');
            stillOpenAfterWrongKey = Forms::Find<M_Boxx>() != nullptr;
            Button("Command3")->click();
        } else {
            Button(how.toLatin1().constData())->click();
        }
    });
    QCOMPARE(AskYesNo(QStringLiteral("Are you sure you want to remove Ann from this list?")), answer);
    QCOMPARE(int(state.MsgBoxResult), 0);
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
        state.DisplayColours = colours;
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
    QFile::copy(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/nbr.txx"), QStringLiteral("nbr.txx"));
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    back->findChild<QAction*>(entry)->trigger();
    QCOMPARE(platform->ended, ends);
    if (!opened.isEmpty()) {
        QCOMPARE(platform->opened.size(), 1);
        QCOMPARE(QFileInfo(platform->opened.first()).fileName(), opened);
    } else {
        QVERIFY(platform->opened.isEmpty());
    }
    if (entry == "SendComments") {
        QVERIFY(QFileInfo(platform->opened.first()).isAbsolute());
        // The page is section 10 byte for byte, with no line end added.
        const QByteArray page = ReadBytes(QStringLiteral("sendcom.htm"));
        QCOMPARE(page, TextSection(ReadBytes(QStringLiteral("nbr.txx")), 10).toUtf8());
        QVERIFY(page.startsWith("<!DOCTYPE html>"));
        QVERIFY(page.endsWith("</html>"));
    }
    back->Unload();
}

void TestMainWindow::playerEntriesHide()
{
    BackForm* back = Forms::Load<BackForm>();
    back->SetPlayerEntriesVisible(false);
    QVERIFY(!back->findChild<QAction*>(QStringLiteral("Configure"))->isVisible());
    QVERIFY(!back->findChild<QAction*>(QStringLiteral("Scores"))->isVisible());
    QVERIFY(back->findChild<QAction*>(QStringLiteral("Help"))->isVisible());
    back->SetPlayerEntriesVisible(true);
    QVERIFY(back->findChild<QAction*>(QStringLiteral("Scores"))->isVisible());
    back->Unload();
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
    open->Unload();
    back->Unload();
}

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow_gui.moc"
