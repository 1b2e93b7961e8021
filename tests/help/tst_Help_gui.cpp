// The help windows: the contents, the viewer with Find and Find Next, the search dialog and
// printing; what each click shows, leaves in the shared state and sends to the printer.
#include "config/Config.h"
#include "help/Get_Str.h"
#include "help/HUTIL2.h"
#include "help/HUTIL3.h"
#include "help/LoadDocumentation.h"
#include "help/PrtForm.h"
#include "support/GuiSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
// Three topics, the first two long enough that the view has to scroll; "drill" stands four times.
QByteArray Manual()
{
    const QByteArray filler = QByteArray("Filler line.\r\n").repeated(60);
    return "NBR    * Welcome\r\nHello reader.\r\n" + filler + "    * Drills\r\nA drill asks. A drill is short.\r\n" + filler
        + "    * Configuring\r\nColours and levels for the drill.\r\n";
}
// A click where a person would click: near the top left corner ("Find Next" covers the right of "Find").
void Press(QWidget* window, const QString& button)
{
    QTest::mouseClick(window->findChild<QWidget*>(button), Qt::LeftButton, {}, QPoint(4, 4));
}
QTextCursor Cursor(HUTIL2* v) { return Child<QPlainTextEdit>(v, "Text1")->textCursor(); }
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    GuiFixture fx;
    HUTIL2* OpenViewer(const QString& topic, const QString& typed)
    {
        LoadDocumentation();
        fx.state.HelpSearchText = topic;
        auto* v = Forms::Load<HUTIL2>();
        v->show();
        v->Activate();
        // Find: the text typed, then OK, Enter, Cancel or the window closed as its title bar does.
        const QStringList how = typed.split(QLatin1Char(' '));
        Script script;
        script.On<Get_Str>([&](Get_Str* g) {
            QTest::keyClicks(Child<QLineEdit>(g, "Text1"), how[0]);
            if (how[1] == QLatin1String("Enter"))
                QTest::keyClick(Child<QLineEdit>(g, "Text1"), Qt::Key_Return);
            else if (how[1] == QLatin1String("closed"))
                g->close();
            else
                Press(g, how[1] == QLatin1String("OK") ? "Command1" : "Command2");
        });
        Press(v, "Command4");
        return script.Remaining() == 0 ? v : nullptr;
    }
private slots:
    void init()
    {
        fx.Reset();
        WriteBytes(QStringLiteral("nbr.doc"), Manual());
    }
    // The viewer opened at a topic, a search, then Print and a button of its dialog. What the
    // search selects (at its first place in the text), the message shown and what is printed.
    void searchAndPrint_data()
    {
        QTest::addColumn<QStringList>("topicSearchPrint");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("message"); // on a row that prints, the printer's failure
        QTest::addColumn<QString>("printed");
        const QString manual = QString::fromLatin1(Manual().mid(3));
        QTest::newRow("capitals find small letters; the entire documentation")
            << QStringList{"* Drills", "HELLO OK", "Command3"} << "Hello" << "" << manual;
        QTest::newRow("Enter is OK; this topic only: the topic of the match")
            << QStringList{"* Welcome", "levels Enter", "Command2"} << "levels" << ""
            << "    * Configuring\nColours and levels for the drill.\n";
        QTest::newRow("not there: the match stays; Cancel prints nothing")
            << QStringList{"* Configuring", "zebra OK", "Command1"} << "* Configuring" << "String not found." << "";
        QTest::newRow("Cancel: the empty text, at the top") << QStringList{"* Configuring", "drill Cancel", "Command1"} << "" << "" << "";
        QTest::newRow("closed: as Cancel") << QStringList{"* Configuring", "drill closed", "Command1"} << "" << "" << "";
        QTest::newRow("no printer: the user is told") << QStringList{"* Drills", "drill OK", "Command3"} << "Drill"
                                                      << NoPrinterMessage << manual;
    }
    void searchAndPrint()
    {
        QFETCH(QStringList, topicSearchPrint);
        QFETCH(QString, selected);
        QFETCH(QString, message);
        QFETCH(QString, printed);
        FakePrinter& printer = fx.platform->printer;
        printer.failure = printed.isEmpty() ? QString() : message;
        QString shown;
        Script box;
        AnswerMessage(box, shown);
        HUTIL2* v = OpenViewer(topicSearchPrint[0], topicSearchPrint[1]);
        QVERIFY(v);
        const bool answered = topicSearchPrint[1].endsWith(QLatin1String("OK")) || topicSearchPrint[1].endsWith(QLatin1String("Enter"));
        QCOMPARE(fx.state.HelpSearchText, answered ? topicSearchPrint[1].section(QLatin1Char(' '), 0, 0) : QString());
        QCOMPARE(Cursor(v).selectedText(), selected);
        QCOMPARE(Cursor(v).selectionStart(), int(v->ViewerText().indexOf(selected, 0, Qt::CaseInsensitive)));
        Script print;
        print.On<PrtForm>([&](PrtForm* p) { Press(p, topicSearchPrint[2]); });
        Press(v, "Command1");
        QCOMPARE(shown, message);
        QVERIFY(!Forms::Find<PrtForm>() && v->isVisible());
        QCOMPARE(printer.printed, printed);
        const QStringList job{"FontSize 12", "Print", "NewPage", "EndDoc"};
        QCOMPARE(printer.calls, printed.isEmpty() ? QStringList() : job);
    }
    void findNextRunsOutAndStartsAgain()
    {
        HUTIL2* v = OpenViewer(QStringLiteral("* Welcome"), QStringLiteral("DRILL OK"));
        QList<int> drills; // where "drill" stands, in any case
        for (qsizetype at = 0; (at = v->ViewerText().indexOf(QStringLiteral("drill"), at, Qt::CaseInsensitive)) >= 0; ++at)
            drills << int(at);
        QString message;
        Script box;
        AnswerMessage(box, message);
        QList<int> starts{Cursor(v).selectionStart()};
        for (int i = 0; i < 5; ++i, starts << Cursor(v).selectionStart())
            Press(v, "Command5");
        // The last match stays on screen with the message; the next Find Next starts from the top.
        QCOMPARE(starts, drills + QList<int>({drills[3], drills[0]}));
        QCOMPARE(message, QStringLiteral("String not found."));
    }
    // The viewer opened at the first topic by the contents' Display Topic, or at "Configuring" by
    // the configuration window's Help; Table of Contents goes back to the contents, Exit closes both.
    void opening_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Display Topic, then Exit closes both") << "Command3" << "* Welcome";
        QTest::newRow("Display Topic, then Table of Contents returns to the list") << "Command2" << "* Welcome";
        QTest::newRow("configuration's Help, then Exit") << "Command3" << "* Configuring";
    }
    void opening()
    {
        QFETCH(QString, leave);
        QFETCH(QString, selected);
        QString shown;
        Script script;
        script.On<HUTIL2>([&](HUTIL2* v) {
            shown = Cursor(v).selectedText();
            Press(v, leave);
        });
        const bool config = selected == QLatin1String("* Configuring");
        Form* opener = config ? static_cast<Form*>(Forms::Load<Config>()) : Forms::Load<HUTIL3>();
        opener->show();
        Press(opener, config ? "Command1" : "Command2");
        QCOMPARE(shown, selected);
        QCOMPARE(opener->isVisible(), config || leave == QLatin1String("Command2"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_Help_gui.moc"
