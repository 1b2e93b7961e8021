// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The help viewer with Find and Find Next, the search dialog and printing: what each click
// shows, leaves in the shared state and sends to the printer.
#include "help/Get_Str.h"
#include "help/HUTIL2.h"
#include "help/HelpWindows.h"
#include "help/PagePainter.h"
#include "help/PrtForm.h"
#include "help/SystemPrinter.h"
#include "help/logic/Printing.h"
#include "support/GuiSupport.h"

#include <QLineEdit>
#include <QPdfWriter>
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
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    GuiFixture fx;
private slots:
    // The viewer opened at a topic; Find with the text typed, then OK, Enter, Cancel or the window
    // closed as its title bar does; Find Next as often as the third word says; then Print and a
    // button of its dialog. What the search selects (at its first place in the text), the message
    // shown and what is printed.
    void searchAndPrint_data()
    {
        QTest::addColumn<QStringList>("topicSearchPrint");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("message"); // on a row that prints, the printer's failure
        QTest::addColumn<QString>("printed");
        const QString manual = QString::fromLatin1(Manual().mid(3)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QTest::newRow("Enter is OK; this topic only: the topic of the match")
            << QStringList{"* Welcome", "levels Enter", "Command2"} << "levels" << ""
            << "    * Configuring\nColours and levels for the drill.\n";
        QTest::newRow("Find Next runs out after the last match, then starts at the top")
            << QStringList{"* Welcome", "DRILL OK 5", "Command1"} << "Drill" << "String not found." << "";
        QTest::newRow("not there: the match stays; Cancel prints nothing")
            << QStringList{"* Configuring", "zebra OK", "Command1"} << "* Configuring" << "String not found." << "";
        QTest::newRow("Cancel: the empty text, at the top") << QStringList{"* Configuring", "drill Cancel", "Command1"} << "" << "" << "";
        QTest::newRow("closed: as Cancel") << QStringList{"* Configuring", "drill closed", "Command1"} << "" << "" << "";
        QTest::newRow("no printer: the user is told; capitals find small letters; the entire documentation")
            << QStringList{"* Drills", "HELLO OK", "Command3"} << "Hello" << NoPrinterMessage << manual;
    }
    void searchAndPrint()
    {
        QFETCH(QStringList, topicSearchPrint);
        QFETCH(QString, selected);
        QFETCH(QString, message);
        QFETCH(QString, printed);
        fx.Reset();
        WriteBytes(QStringLiteral("nbr.doc"), Manual());
        HelpWindows& help = fx.windows->Help();
        help.LoadDocumentation();
        help.State().HelpSearchText = topicSearchPrint[0];
        FakePrinter& printer = fx.platform->printer;
        printer.failure = printed.isEmpty() ? QString() : message;
        QString shown;
        Script box, find;
        AnswerMessage(box, shown);
        auto* v = help.Viewer();
        v->show();
        v->Activate();
        const QStringList how = topicSearchPrint[1].split(QLatin1Char(' '));
        find.On<Get_Str>([&](Get_Str* g) {
            QTest::keyClicks(Child<QLineEdit>(g, "Text1"), how[0]);
            if (how[1] == QLatin1String("Enter"))
                QTest::keyClick(Child<QLineEdit>(g, "Text1"), Qt::Key_Return);
            else if (how[1] == QLatin1String("closed"))
                g->close();
            else
                Press(g, how[1] == QLatin1String("OK") ? "Command1" : "Command2");
        });
        Press(v, "Command4");
        for (int i = 0; i < how.value(2).toInt(); ++i)
            Press(v, "Command5");
        QCOMPARE(help.State().HelpSearchText, how[1] == "OK" || how[1] == "Enter" ? how[0] : QString());
        const QTextCursor cursor = Child<QPlainTextEdit>(v, "Text1")->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        QCOMPARE(cursor.selectionStart(), int(v->ViewerText().indexOf(selected, 0, Qt::CaseInsensitive)));
        Script print;
        print.On<PrtForm>([&](PrtForm* p) { Press(p, topicSearchPrint[2]); });
        Press(v, "Command1");
        QCOMPARE(shown, message);
        QVERIFY(!FindForm<PrtForm>() && v->isVisible());
        QCOMPARE(PrintedText(printer.pages), printed);
        QCOMPARE(printer.names.size(), printed.isEmpty() ? 0 : 1);
        // Every line on its page: the whole manual takes three pages of A4.
        for (const PrintPage& page : printer.pages)
            QVERIFY(page.items.constLast().place.bottom() < printer.area.height());
        QCOMPARE(printer.pages.size(), printed.size() > 1000 ? 3 : (printed.isEmpty() ? 0 : 1));
    }
    // Paper goes to the desktop's default printer: with no printing service reachable, the
    // user is told that no printer is set up.
    void paperWithoutPrinter()
    {
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        SystemPrinter paper;
        QCOMPARE(PrintText(paper, QStringLiteral("x")), NoPrinterMessage);
    }
    // The text's first word stands at least 15 mm inside the printable area: a printer's rim it
    // cannot print on (12 points round the sheet here) comes on top.
    void marginsInsidePrintableArea()
    {
        fx.Reset();
        {
            QPdfWriter paper(QStringLiteral("m.pdf"));
            const QMarginsF rim(4.23, 4.23, 4.23, 4.23);
            paper.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, rim, QPageLayout::Millimeter, rim));
            QVERIFY(PaintPages(paper, ManualPages(QStringLiteral("Welcome"), SetPrintMargins(paper))));
        }
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("m.pdf"), QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const auto word = QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"")).match(text.readAll());
        const double least = (4.23 + 15) / 25.4 * 72; // in points
        QVERIFY2(word.captured(1).toDouble() >= least && word.captured(2).toDouble() >= least, qPrintable(word.captured()));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_Help_gui.moc"
