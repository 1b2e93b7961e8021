// The help windows: the table of contents, the viewer with its search, the search dialog
// and printing; what each click shows, what it leaves in the shared state and what reaches
// the printer.
#include "config/Config.h"
#include "core/WindowUtils.h"
#include "help/Get_Str.h"
#include "help/HUTIL2.h"
#include "help/HUTIL3.h"
#include "help/LoadDocumentation.h"
#include "help/PrtForm.h"
#include "mainwin/BackForm.h"
#include "mainwin/M_Boxx.h"
#include "support/GuiSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// Three topics; the first two long enough that the view has to scroll.
QByteArray Manual()
{
    QByteArray m = "NBR    * Welcome\r\nHello reader. Press Find to search for a word.\r\n";
    for (int i = 1; i <= 60; ++i)
        m += "Filler line " + QByteArray::number(i) + ".\r\n";
    m += "    * Drills\r\nThe drill asks one problem at a time. A drill is short.\r\n";
    for (int i = 61; i <= 120; ++i)
        m += "Filler line " + QByteArray::number(i) + ".\r\n";
    m += "    * Configuring\r\nColours and levels for the drill.\r\n";
    return m;
}

QPlainTextEdit* Text(HUTIL2* v) { return Child<QPlainTextEdit>(v, "Text1"); }
QString Selected(HUTIL2* v) { return Text(v)->textCursor().selectedText(); }
int SelectionStart(HUTIL2* v) { return Text(v)->textCursor().selectionStart(); }
// "Find" at its full width runs under "Find Next"; narrowed, it stands clear of it.
enum class FindState { Wide, Narrow };
FindState FindWidth(HUTIL2* v)
{
    const QRect find = Child<QPushButton>(v, "Command4")->geometry();
    const QRect next = Child<QPushButton>(v, "Command5")->geometry();
    return find.right() > next.left() ? FindState::Wide : FindState::Narrow;
}

// Where the word stands in the viewer's text, in any case.
QList<int> Places(const QString& text, const QString& word)
{
    QList<int> places;
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive))
        places << static_cast<int>(at);
    return places;
}

// When the viewer opens: keeps what it highlights and leaves it with "Exit".
void LeaveViewer(Script& script, QString& selected)
{
    script.On<HUTIL2>([&selected](HUTIL2* v) {
        selected = Selected(v);
        Click(v, "Command3");
    });
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void tableOfContents();
    void displayTopic_data();
    void displayTopic();
    void configHelpThenMenu();
    void missingManual_data();
    void missingManual();
    void find_data();
    void find();
    void findNextRunsOutAndStartsAgain();
    void printing_data();
    void printing();
    void printingStartsTheSearchAgain();

private:
    HUTIL3* OpenContents();
    HUTIL2* OpenViewer(const QString& searchText);
    // Types into the search dialog when it opens and leaves it as asked.
    void Search(HUTIL2* v, const QString& typed, const QString& how = QStringLiteral("ok"));
    GuiFixture fx;
};

void TestHelp::init()
{
    fx.Reset();
    WriteBytes(QStringLiteral("nbr.doc"), Manual());
}

HUTIL3* TestHelp::OpenContents()
{
    HUTIL3* toc = Forms::Load<HUTIL3>();
    toc->show();
    return toc;
}

HUTIL2* TestHelp::OpenViewer(const QString& searchText)
{
    LoadDocumentation();
    fx.state.HelpSearchText = searchText;
    HUTIL2* v = Forms::Load<HUTIL2>();
    v->show();
    v->Activate();
    return v;
}

void TestHelp::Search(HUTIL2* v, const QString& typed, const QString& how)
{
    Script script;
    script.On<Get_Str>([&](Get_Str* g) {
        auto* box = Child<QLineEdit>(g, "Text1");
        QVERIFY(box->text().isEmpty());
        QTest::keyClicks(box, typed);
        if (how == QLatin1String("ok"))
            Click(g, "Command1");
        else if (how == QLatin1String("enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (how == QLatin1String("cancel"))
            Click(g, "Command2");
        else
            g->close();
    });
    Click(v, "Command4");
    QCOMPARE(script.Remaining(), 0);
}

void TestHelp::tableOfContents()
{
    HUTIL3* toc = OpenContents();
    auto* list = Child<QListWidget>(toc, "List1");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{" Welcome", " Drills", " Configuring"}));
    QCOMPARE(list->currentRow(), 0);
    // The viewer waits, hidden, with the manual minus its first three characters.
    HUTIL2* viewer = Forms::Find<HUTIL2>();
    QVERIFY(viewer && !viewer->isVisible());
    QVERIFY(viewer->ViewerText().startsWith(QStringLiteral("    * Welcome\nHello reader.")));
    QVERIFY(!viewer->ViewerText().contains(QStringLiteral("NBR")));
    QCOMPARE(fx.state.DocText, QString::fromLatin1(Manual().mid(3)));
    Click(toc, "Command1");
    QVERIFY(!Forms::Find<HUTIL3>());
    QVERIFY(!Forms::Find<HUTIL2>());
}

void TestHelp::displayTopic_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("contentsStay");
    QTest::newRow("Display Topic, then Exit closes both") << false << "Command3" << false;
    QTest::newRow("double-click, then Exit closes both") << true << "Command3" << false;
    QTest::newRow("Table of Contents returns to the list") << false << "Command2" << true;
    QTest::newRow("closing the viewer returns to the list") << true << "close" << true;
}

void TestHelp::displayTopic()
{
    QFETCH(bool, doubleClick);
    QFETCH(QString, leave);
    QFETCH(bool, contentsStay);
    HUTIL3* toc = OpenContents();
    auto* list = Child<QListWidget>(toc, "List1");
    list->setCurrentRow(2);
    QString selected;
    int scrolled = -1;
    Script script;
    script.On<HUTIL2>([&](HUTIL2* v) {
        selected = Selected(v);
        scrolled = Text(v)->verticalScrollBar()->value();
        if (leave == QLatin1String("close"))
            v->close();
        else
            Click(v, leave.toLatin1().constData());
    });
    if (doubleClick) {
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    else
        Click(toc, "Command2");
    QCOMPARE(script.Remaining(), 0);
    QCOMPARE(fx.state.HelpSearchText, QStringLiteral("* Configuring"));
    QCOMPARE(selected, QStringLiteral("* Configuring"));
    QVERIFY(scrolled > 0);
    QCOMPARE(int(fx.state.HelpFlag), 0);
    QCOMPARE(Forms::Find<HUTIL3>() != nullptr, contentsStay);
    if (!contentsStay)
        return;
    // Another topic from the same list opens in a fresh viewer.
    toc->Activate();
    QVERIFY(!toc->IsUnloaded());
    list->setCurrentRow(1);
    Script again;
    LeaveViewer(again, selected);
    Click(toc, "Command2");
    QCOMPARE(selected, QStringLiteral("* Drills"));
    QVERIFY(!Forms::Find<HUTIL3>());
}

void TestHelp::configHelpThenMenu()
{
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    Config* config = Forms::Load<Config>();
    config->show();
    QString selected;
    Script script;
    LeaveViewer(script, selected);
    Click(config, "Command1");
    QCOMPARE(selected, QStringLiteral("* Configuring"));
    QCOMPARE(int(fx.state.HelpFlag), 0);
    QVERIFY(Forms::Find<Config>() == config && config->isVisible());

    // The contents opened from the menu afterwards stay open when they come up.
    bool stayed = false;
    Script menu;
    menu.On<HUTIL3>([&](HUTIL3* toc) {
        toc->Activate();
        QCoreApplication::processEvents();
        stayed = !toc->IsUnloaded() && toc->isVisible();
        Click(toc, "Command1");
    });
    back->findChild<QAction*>(QStringLiteral("Help"))->trigger();
    QCOMPARE(menu.Remaining(), 0);
    QVERIFY(stayed);
    config->Unload();
    back->Unload();
}

void TestHelp::missingManual_data()
{
    QTest::addColumn<bool>("fromConfig");
    QTest::newRow("menu: no contents") << false;
    QTest::newRow("configuration: viewer on the text read before") << true;
}

void TestHelp::missingManual()
{
    QFETCH(bool, fromConfig);
    QFile::remove(QStringLiteral("nbr.doc"));
    fx.state.DocText = QStringLiteral("    * Old\r\nRead before.\r\n");
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    QString message;
    QString viewerText;
    Script script;
    AnswerMessage(script, message);
    if (fromConfig) {
        script.On<HUTIL2>([&](HUTIL2* v) {
            viewerText = v->ViewerText();
            Click(v, "Command3");
        });
        Config* config = Forms::Load<Config>();
        config->show();
        Click(config, "Command1");
        config->Unload();
    } else {
        back->findChild<QAction*>(QStringLiteral("Help"))->trigger();
    }
    QCOMPARE(script.Remaining(), 0);
    QCOMPARE(message, QStringLiteral("Unable to open nbr.DOC"));
    QVERIFY(!Forms::Find<HUTIL3>());
    QCOMPARE(viewerText, fromConfig ? QStringLiteral("    * Old\nRead before.\n") : QString());
    QCOMPARE(fx.state.DocText, QStringLiteral("    * Old\r\nRead before.\r\n"));
    back->Unload();
}

void TestHelp::find_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("match"); // the text found; empty: nothing moves
    QTest::addColumn<QString>("before"); // what stands just before it
    QTest::addColumn<QString>("message");
    QTest::newRow("capitals find small letters") << "HELLO" << "ok" << "Hello" << "    * Welcome\n" << "";
    QTest::newRow("first match from the top") << "DRILL" << "ok" << "Drill" << "    * " << "";
    QTest::newRow("Enter is OK") << "levels" << "enter" << "levels" << "Colours and " << "";
    QTest::newRow("not there") << "zebra" << "ok" << "" << "" << "String not found.";
    QTest::newRow("Cancel goes to the top") << "drill" << "cancel" << "" << "" << "";
    QTest::newRow("closing is Cancel") << "drill" << "close" << "" << "" << "";
}

void TestHelp::find()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, match);
    QFETCH(QString, before);
    QFETCH(QString, message);
    HUTIL2* v = OpenViewer(QStringLiteral("* Configuring"));
    QCOMPARE(FindWidth(v), FindState::Wide);
    QVERIFY(Text(v)->verticalScrollBar()->value() > 0);
    const int startBefore = SelectionStart(v);
    QString shown;
    Script box;
    if (!message.isEmpty())
        AnswerMessage(box, shown);
    Search(v, typed, how);
    QCOMPARE(box.Remaining(), 0);
    QCOMPARE(shown, message);
    const bool cancelled = how == QLatin1String("cancel") || how == QLatin1String("close");
    QCOMPARE(fx.state.HelpSearchText, cancelled ? QString() : typed);
    if (cancelled) {
        // The empty text matches at the very first character.
        QCOMPARE(SelectionStart(v), 0);
        QCOMPARE(Text(v)->verticalScrollBar()->value(), 0);
        QCOMPARE(FindWidth(v), FindState::Narrow);
    } else if (match.isEmpty()) {
        QCOMPARE(SelectionStart(v), startBefore);
        QCOMPARE(Selected(v), QStringLiteral("* Configuring"));
        QCOMPARE(FindWidth(v), FindState::Wide);
    } else {
        QCOMPARE(Selected(v), match);
        QVERIFY(v->ViewerText().left(SelectionStart(v)).endsWith(before));
        QCOMPARE(FindWidth(v), FindState::Narrow);
    }
}

void TestHelp::findNextRunsOutAndStartsAgain()
{
    HUTIL2* v = OpenViewer(QStringLiteral("* Welcome"));
    const QList<int> drills = Places(v->ViewerText(), QStringLiteral("drill"));
    QCOMPARE(drills.size(), 4);
    Search(v, QStringLiteral("DRILL"));
    QCOMPARE(SelectionStart(v), drills[0]);
    for (int i = 1; i < drills.size(); ++i) {
        Click(v, "Command5");
        QCOMPARE(SelectionStart(v), drills[i]);
        QCOMPARE(Selected(v).toLower(), QStringLiteral("drill"));
    }
    QString message;
    Script box;
    AnswerMessage(box, message);
    Click(v, "Command5");
    QCOMPARE(message, QStringLiteral("String not found."));
    QCOMPARE(FindWidth(v), FindState::Wide);
    // The last match stays on screen; the next Find Next starts from the top.
    QCOMPARE(SelectionStart(v), drills[3]);
    Click(v, "Command5");
    QCOMPARE(SelectionStart(v), drills[0]);
    QCOMPARE(FindWidth(v), FindState::Wide);
}

void TestHelp::printing_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("typed"); // a search before printing, if any
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("starts");
    QTest::addColumn<QString>("ends");
    QTest::newRow("this topic: the one on screen") << "* Drills" << "" << "Command2" << ""
                                                   << "    * Drills\nThe drill asks" << "Filler line 120.\n";
    QTest::newRow("this topic: where the search went") << "* Welcome" << "levels" << "Command2" << ""
                                                       << "    * Configuring\nColours and levels"
                                                       << "levels for the drill.\n";
    QTest::newRow("this topic: the first one") << "* Welcome" << "" << "Command2" << ""
                                               << "    * Welcome\nHello reader." << "Filler line 60.\n";
    QTest::newRow("the entire documentation") << "* Drills" << "" << "Command3" << ""
                                              << "    * Welcome\r\nHello" << "for the drill.\r\n";
    QTest::newRow("no printer: the user is told") << "* Drills" << "" << "Command3" << NoPrinterMessage
                                                  << "    * Welcome\r\n" << "drill.\r\n";
    QTest::newRow("Cancel prints nothing") << "* Drills" << "" << "Command1" << "" << "" << "";
}

void TestHelp::printing()
{
    QFETCH(QString, topic);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, failure);
    QFETCH(QString, starts);
    QFETCH(QString, ends);
    FakePrinter& printer = fx.platform->printer;
    printer.failure = failure;
    HUTIL2* v = OpenViewer(topic);
    if (!typed.isEmpty())
        Search(v, typed);
    QString title;
    QString message;
    Script script;
    script.On<PrtForm>([&](PrtForm* p) {
        title = p->windowTitle();
        Click(p, button.toLatin1().constData());
    });
    if (!failure.isEmpty())
        AnswerMessage(script, message);
    Click(v, "Command1");
    QCOMPARE(script.Remaining(), 0);
    QCOMPARE(title, QStringLiteral("Printing"));
    QVERIFY(!Forms::Find<PrtForm>());
    QCOMPARE(message, failure);
    if (starts.isEmpty()) {
        QVERIFY(printer.calls.isEmpty());
        return;
    }
    QCOMPARE(printer.calls, (QStringList{"FontSize 12", "Print", "NewPage", "EndDoc"}));
    QVERIFY2(printer.printed.startsWith(starts), qPrintable(printer.printed.left(60)));
    QVERIFY2(printer.printed.endsWith(ends), qPrintable(printer.printed.right(60)));
    if (button == QLatin1String("Command3"))
        QCOMPARE(printer.printed, fx.state.DocText);
    else
        QCOMPARE(printer.printed.count(QStringLiteral("    * ")), 1);
}

void TestHelp::printingStartsTheSearchAgain()
{
    HUTIL2* v = OpenViewer(QStringLiteral("drill"));
    const QList<int> drills = Places(v->ViewerText(), QStringLiteral("drill"));
    QCOMPARE(SelectionStart(v), drills[0]);
    Click(v, "Command5");
    Click(v, "Command5");
    QCOMPARE(SelectionStart(v), drills[2]);
    Script script;
    script.On<PrtForm>([](PrtForm* p) { Click(p, "Command1"); });
    Click(v, "Command1");
    // Back from printing, the viewer starts again at the first match.
    QCOMPARE(SelectionStart(v), drills[0]);
    Click(v, "Command5");
    QCOMPARE(SelectionStart(v), drills[1]);
}

QTEST_MAIN(TestHelp)
#include "tst_Help_gui.moc"
