// The manual's rules: reading the file, the table of contents, topic keys, searching,
// the selections that bring a match into view, the topic printed, pages and the print job.
#include "help/logic/Documentation.h"
#include "help/logic/Printing.h"
#include "help/logic/TextSearch.h"
#include "support/FakePrinter.h"

#include <QtTest>

class TestDocumentation : public QObject {
    Q_OBJECT
private slots:
    void documentationText_data();
    void documentationText();
    void tableOfContents_data();
    void tableOfContents();
    void findText_data();
    void findText();
    void selectMatch_data();
    void selectMatch();
    void topicText_data();
    void topicText();
    void pages_data();
    void pages();
    void printText_data();
    void printText();
};

void TestDocumentation::documentationText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF    * One\r\n") << "    * One\r\n";
    QTest::newRow("any three characters") << QByteArray("NBR    * One\r\nx") << "    * One\r\nx";
    QTest::newRow("line end among them") << QByteArray("\r\n*Top\r\n") << "Top\r\n";
    QTest::newRow("shorter than three") << QByteArray("ab") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestDocumentation::documentationText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QCOMPARE(DocumentationText(file), text);
}

void TestDocumentation::tableOfContents_data()
{
    QTest::addColumn<QString>("doc");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("two headings") << "    * Welcome\r\nSome words.\r\n\r\n    * Configuring\r\nMore words.\r\n"
                                  << QStringList{" Welcome", " Configuring"};
    QTest::newRow("star inside a sentence") << "Press the * key, then Enter.\r\nNext line\r\n"
                                            << QStringList{" key, then Enter."};
    QTest::newRow("star with no line end after it") << "    * One\r\ntext\r\nlast *" << QStringList{" One"};
    QTest::newRow("heading without line end") << "    * Only" << QStringList{};
    QTest::newRow("second star of a line skipped") << "a * b * c\r\n    * D\r\n" << QStringList{" b * c", " D"};
    QTest::newRow("star right before the line end") << "x*\r\n" << QStringList{""};
    QTest::newRow("line feeds alone end no entry") << "    * One\n    * Two\n" << QStringList{};
    QTest::newRow("no star") << "plain\r\n" << QStringList{};
}

void TestDocumentation::tableOfContents()
{
    QFETCH(QString, doc);
    QFETCH(QStringList, entries);
    const QStringList toc = TableOfContents(doc);
    QCOMPARE(toc, entries);
    // A topic's key finds its own heading.
    for (const QString& entry : toc) {
        const int at = FindText(doc, TopicKey(entry), 1);
        QVERIFY(at > 0);
        QCOMPARE(doc.mid(at - 1, entry.size() + 1), QStringLiteral("*") + entry);
    }
    if (entries.contains(QStringLiteral(" Configuring")))
        QCOMPARE(TopicKey(toc.last()), QStringLiteral("* Configuring"));
}

void TestDocumentation::findText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("found");
    QTest::newRow("capitals find small letters") << "the drill and the Drill" << "DRILL" << 1 << 5;
    QTest::newRow("small letters find capitals") << "a DRILL" << "drill" << 1 << 3;
    QTest::newRow("from a later start") << "the drill and the Drill" << "drill" << 6 << 19;
    QTest::newRow("start on the match") << "the drill" << "drill" << 5 << 5;
    QTest::newRow("after the last match") << "the drill and the Drill" << "drill" << 20 << 0;
    QTest::newRow("not there") << "the drill" << "zebra" << 1 << 0;
    QTest::newRow("empty text matches at the start") << "the drill" << "" << 1 << 1;
    QTest::newRow("empty text at a later start") << "the drill" << "" << 4 << 4;
    QTest::newRow("start past the end") << "the drill" << "" << 10 << 0;
    QTest::newRow("start 0 counts as 1") << "drill" << "drill" << 0 << 1;
    QTest::newRow("nothing to search") << "" << "" << 1 << 0;
}

void TestDocumentation::findText()
{
    QFETCH(QString, text);
    QFETCH(QString, what);
    QFETCH(int, start);
    QFETCH(int, found);
    QCOMPARE(FindText(text, what, start), found);
}

void TestDocumentation::selectMatch_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("ahead");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<QList<int>>("selections"); // ahead start, length, match start, length
    QTest::newRow("look-ahead inside the text") << 101 << 800 << 13 << 5000 << QList<int>{901, 1, 100, 13};
    QTest::newRow("look-ahead past the end") << 4901 << 200 << 5 << 5000 << QList<int>{5000, 0, 4900, 5};
    QTest::newRow("match at the very start") << 1 << 200 << 0 << 5000 << QList<int>{201, 1, 0, 0};
    QTest::newRow("look-ahead on the last character") << 1 << 4998 << 3 << 5000 << QList<int>{4999, 1, 0, 3};
    QTest::newRow("match cut at the end") << 9 << 200 << 5 << 10 << QList<int>{10, 0, 8, 2};
}

void TestDocumentation::selectMatch()
{
    QFETCH(int, position);
    QFETCH(int, ahead);
    QFETCH(int, length);
    QFETCH(int, textLength);
    QFETCH(QList<int>, selections);
    const MatchSelection m = SelectMatch(position, ahead, length, textLength);
    QCOMPARE((QList<int>{m.aheadStart, m.aheadLength, m.matchStart, m.matchLength}), selections);
}

void TestDocumentation::topicText_data()
{
    const QString doc = QStringLiteral("Intro line\n"
                                       "    * First\nfirst body\n"
                                       "    * Second\nsecond body with a * star\n"
                                       "    * Third\nthird body\n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("topic");
    const int second = static_cast<int>(doc.indexOf(QStringLiteral("    * Second"))) + 1;
    QTest::newRow("match in the middle topic") << doc << int(doc.indexOf(QStringLiteral("second body"))) + 1
                                               << "    * Second\nsecond body with a * star\n";
    QTest::newRow("match on a heading's star") << doc << second + 4 << "    * Second\nsecond body with a * star\n";
    QTest::newRow("match on a heading's first blank") << doc << second << "    * Second\nsecond body with a * star\n";
    QTest::newRow("last topic runs to the end") << doc << int(doc.size()) << "    * Third\nthird body\n";
    QTest::newRow("before the first heading") << doc << 3 << "Intro line\n";
    QTest::newRow("no position") << doc << 0 << "Intro line\n";
    QTest::newRow("heading at the very start") << "    * A\na\n    * B\nb\n" << 1 << "    * A\na\n";
    QTest::newRow("no heading at all") << "just words\n" << 5 << "just words\n";
}

void TestDocumentation::topicText()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, topic);
    QCOMPARE(TopicText(text, position), topic);
}

void TestDocumentation::pages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("linesPerPage");
    QTest::addColumn<QList<QStringList>>("pages");
    QTest::newRow("full pages then the rest") << "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7" << 3
                                              << QList<QStringList>{{"1", "2", "3"}, {"4", "5", "6"}, {"7"}};
    QTest::newRow("last line end adds no line") << "1\r\n2\r\n3\r\n" << 3 << QList<QStringList>{{"1", "2", "3"}};
    QTest::newRow("no empty last page") << "1\n2\n3\n\n\n\n" << 3 << QList<QStringList>{{"1", "2", "3"}};
    QTest::newRow("blank lines inside kept") << "1\n\n3\n4" << 2 << QList<QStringList>{{"1", ""}, {"3", "4"}};
    QTest::newRow("all line ends") << "a\rb\nc\r\nd" << 10 << QList<QStringList>{{"a", "b", "c", "d"}};
    QTest::newRow("long lines stay whole") << QString(300, QLatin1Char('x')) << 2
                                           << QList<QStringList>{{QString(300, QLatin1Char('x'))}};
    QTest::newRow("nothing") << "" << 3 << QList<QStringList>{};
    QTest::newRow("only line ends") << "\r\n\r\n" << 3 << QList<QStringList>{};
}

void TestDocumentation::pages()
{
    QFETCH(QString, text);
    QFETCH(int, linesPerPage);
    QFETCH(QList<QStringList>, pages);
    const std::vector<QStringList> got = Pages(text, linesPerPage);
    QCOMPARE(QList<QStringList>(got.begin(), got.end()), pages);
}

void TestDocumentation::printText_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("printed") << "";
    QTest::newRow("no printer") << NoPrinterMessage;
}

void TestDocumentation::printText()
{
    QFETCH(QString, failure);
    FakePrinter printer;
    printer.failure = failure;
    const QString text = QStringLiteral("    * Topic\r\nline\r\n");
    QCOMPARE(PrintText(printer, text), failure);
    QCOMPARE(printer.calls, (QStringList{"FontSize 12", "Print", "NewPage", "EndDoc"}));
    QCOMPARE(printer.printed, text);
}

QTEST_APPLESS_MAIN(TestDocumentation)
#include "tst_Documentation.moc"
