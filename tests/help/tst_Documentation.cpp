// The manual's rules: reading the file, the table of contents, topic keys, the selections
// that bring a match into view, the topic printed and the pages.
#include "help/logic/Documentation.h"
#include "help/logic/Printing.h"
#include "help/logic/TextSearch.h"

#include <QtTest>

class TestDocumentation : public QObject {
    Q_OBJECT
private slots:
    void documentationText_data();
    void documentationText();
    void tableOfContents_data();
    void tableOfContents();
    void selectMatch_data();
    void selectMatch();
    void topicText_data();
    void topicText();
    void pages_data();
    void pages();
};

void TestDocumentation::documentationText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("any three characters") << QByteArray("NBR    * One\r\nx") << "    * One\r\nx";
    QTest::newRow("shorter than three") << QByteArray("ab") << "";
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
    QTest::newRow("second star of a line skipped") << "a * b * c\r\n    * D\r\n" << QStringList{" b * c", " D"};
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

void TestDocumentation::selectMatch_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("ahead");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("textLength");
    QTest::addColumn<QList<int>>("selections"); // ahead start, length, match start, length
    QTest::newRow("look-ahead past the end") << 4901 << 200 << 5 << 5000 << QList<int>{5000, 0, 4900, 5};
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
    QTest::newRow("match on a heading's first blank") << doc << second << "    * Second\nsecond body with a * star\n";
    QTest::newRow("last topic runs to the end") << doc << int(doc.size()) << "    * Third\nthird body\n";
    QTest::newRow("before the first heading") << doc << 3 << "Intro line\n";
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
    QTest::newRow("no empty last page") << "1\n2\n3\n\n\n\n" << 3 << QList<QStringList>{{"1", "2", "3"}};
    QTest::newRow("blank lines inside kept") << "1\n\n3\n4" << 2 << QList<QStringList>{{"1", ""}, {"3", "4"}};
    QTest::newRow("long lines stay whole") << QString(300, QLatin1Char('x')) << 2
                                           << QList<QStringList>{{QString(300, QLatin1Char('x'))}};
}

void TestDocumentation::pages()
{
    QFETCH(QString, text);
    QFETCH(int, linesPerPage);
    QFETCH(QList<QStringList>, pages);
    const std::vector<QStringList> got = Pages(text, linesPerPage);
    QCOMPARE(QList<QStringList>(got.begin(), got.end()), pages);
}

QTEST_APPLESS_MAIN(TestDocumentation)
#include "tst_Documentation.moc"
