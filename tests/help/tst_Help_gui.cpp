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
#include "support/GuiSupport.h"

#include <QAction>
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
bool FindIsWide(HUTIL2* v)
{
    return Child<QPushButton>(v, "Command4")->geometry().right() > Child<QPushButton>(v, "Command5")->geometry().left();
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

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void displayTopic_data();
    void displayTopic();
    void configHelpThenMenu();
    void find_data();
    void find();
    void findNextRunsOutAndStartsAgain();
    void printing_data();
    void printing();

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
        else
            Click(g, "Command2");
    });
    Click(v, "Command4");
    QCOMPARE(script.Remaining(), 0);
}

void TestHelp::displayTopic_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("contentsStay");
    QTest::newRow("Display Topic, then Exit closes both") << false << "Command3" << false;
    QTest::newRow("double-click, then Table of Contents returns to the list") << true << "Command2" << true;
}

void TestHelp::displayTopic()
{
    QFETCH(bool, doubleClick);
    QFETCH(QString, leave);
    QFETCH(bool, contentsStay);
    HUTIL3* toc = OpenContents();
    auto* list = Child<QListWidget>(toc, "List1");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{" Welcome", " Drills", " Configuring"}));
    // The viewer waits, hidden, with the manual minus its first three characters.
    QVERIFY(Forms::Find<HUTIL2>() && !Forms::Find<HUTIL2>()->isVisible());
    QVERIFY(Forms::Find<HUTIL2>()->ViewerText().startsWith(QStringLiteral("    * Welcome\nHello reader.")));
    list->setCurrentRow(2);
    QString selected;
    int scrolled = -1;
    Script script;
    script.On<HUTIL2>([&](HUTIL2* v) {
        selected = Selected(v);
        scrolled = Text(v)->verticalScrollBar()->value();
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
}

void TestHelp::configHelpThenMenu()
{
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    Config* config = Forms::Load<Config>();
    config->show();
    QString selected;
    Script script;
    script.On<HUTIL2>([&](HUTIL2* v) {
        selected = Selected(v);
        Click(v, "Command3");
    });
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

void TestHelp::find_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("match"); // the text found; empty: nothing moves
    QTest::addColumn<QString>("before"); // what stands just before it
    QTest::addColumn<QString>("message");
    QTest::newRow("capitals find small letters") << "HELLO" << "ok" << "Hello" << "    * Welcome\n" << "";
    QTest::newRow("Enter is OK") << "levels" << "enter" << "levels" << "Colours and " << "";
    QTest::newRow("not there") << "zebra" << "ok" << "" << "" << "String not found.";
    QTest::newRow("Cancel goes to the top") << "drill" << "cancel" << "" << "" << "";
}

void TestHelp::find()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, match);
    QFETCH(QString, before);
    QFETCH(QString, message);
    HUTIL2* v = OpenViewer(QStringLiteral("* Configuring"));
    QVERIFY(FindIsWide(v));
    QVERIFY(Text(v)->verticalScrollBar()->value() > 0);
    const int startBefore = SelectionStart(v);
    QString shown;
    Script box;
    if (!message.isEmpty())
        AnswerMessage(box, shown);
    Search(v, typed, how);
    QCOMPARE(box.Remaining(), 0);
    QCOMPARE(shown, message);
    const bool cancelled = how == QLatin1String("cancel");
    QCOMPARE(fx.state.HelpSearchText, cancelled ? QString() : typed);
    if (cancelled) {
        // The empty text matches at the very first character.
        QCOMPARE(SelectionStart(v), 0);
        QCOMPARE(Text(v)->verticalScrollBar()->value(), 0);
        QVERIFY(!FindIsWide(v));
    } else if (match.isEmpty()) {
        QCOMPARE(SelectionStart(v), startBefore);
        QCOMPARE(Selected(v), QStringLiteral("* Configuring"));
        QVERIFY(FindIsWide(v));
    } else {
        QCOMPARE(Selected(v), match);
        QVERIFY(v->ViewerText().left(SelectionStart(v)).endsWith(before));
        QVERIFY(!FindIsWide(v));
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
    QVERIFY(FindIsWide(v));
    // The last match stays on screen; the next Find Next starts from the top.
    QCOMPARE(SelectionStart(v), drills[3]);
    Click(v, "Command5");
    QCOMPARE(SelectionStart(v), drills[0]);
    QVERIFY(FindIsWide(v));
}

void TestHelp::printing_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("typed"); // a search before printing, if any
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("printed");
    const QString manual = QString::fromLatin1(Manual().mid(3));
    QTest::newRow("this topic only: the topic of the match")
        << "* Welcome" << "levels" << "Command2" << "" << "    * Configuring\nColours and levels for the drill.\n";
    QTest::newRow("the entire documentation") << "* Drills" << "" << "Command3" << "" << manual;
    QTest::newRow("no printer: the user is told") << "* Drills" << "" << "Command3" << NoPrinterMessage << manual;
    QTest::newRow("Cancel prints nothing") << "* Drills" << "" << "Command1" << "" << "";
}

void TestHelp::printing()
{
    QFETCH(QString, topic);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, failure);
    QFETCH(QString, printed);
    FakePrinter& printer = fx.platform->printer;
    printer.failure = failure;
    HUTIL2* v = OpenViewer(topic);
    if (!typed.isEmpty())
        Search(v, typed);
    QString message;
    Script script;
    script.On<PrtForm>([&](PrtForm* p) { Click(p, button.toLatin1().constData()); });
    if (!failure.isEmpty())
        AnswerMessage(script, message);
    Click(v, "Command1");
    QCOMPARE(script.Remaining(), 0);
    QVERIFY(!Forms::Find<PrtForm>());
    QCOMPARE(message, failure);
    QCOMPARE(printer.printed, printed);
    const QStringList job{"FontSize 12", "Print", "NewPage", "EndDoc"};
    QCOMPARE(printer.calls, printed.isEmpty() ? QStringList() : job);
}

QTEST_MAIN(TestHelp)
#include "tst_Help_gui.moc"
