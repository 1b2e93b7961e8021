// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The manual's rules: the table of contents and topic keys, the topic printed and the pages.
// The help window's tests bring matches into view.
#include "help/logic/Documentation.h"
#include "help/logic/Printing.h"
#include "help/logic/TextSearch.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestDocumentation : public QObject {
    Q_OBJECT
private slots:
    void tableOfContents_data()
    {
        QTest::addColumn<QString>("doc");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("star with no line end after it") << "    * One\r\ntext\r\nlast *" << QStringList{" One"};
        QTest::newRow("star inside a sentence; the second star of a line skipped") << "a * b * c\r\n    * D\r\n" << QStringList{" b * c", " D"};
    }
    void tableOfContents()
    {
        QFETCH(QString, doc);
        QFETCH(QStringList, entries);
        QCOMPARE(TableOfContents(doc), entries);
        for (const QString& entry : entries) // a topic's key finds its own star
            QCOMPARE(doc.mid(FindText(doc, TopicKey(entry), 1) - 1, entry.size() + 1), QStringLiteral("*") + entry);
    }
    // A translated manual beside the English one: "NBR" first, CR LF lines, whole UTF-8, the same
    // topics and no other star, and the Configuration window's topic found at its heading.
    void translatedManual_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("configuring"); // the key of the twelfth topic
        QTest::newRow("de") << "de" << QStringLiteral("* Einstellungen");
        QTest::newRow("fr") << "fr" << QStringLiteral("* R\u00e9glages");
        QTest::newRow("es") << "es" << QStringLiteral("* Ajustes");
    }
    void translatedManual()
    {
        QFETCH(QString, language);
        QFETCH(QString, configuring);
        const QByteArray file = ReadDataFile(QStringLiteral("nbr.%1.doc").arg(language));
        QVERIFY(file.startsWith("NBR    * "));
        QCOMPARE(file.count('\n'), file.count("\r\n"));
        const QString doc = DocumentationText(file);
        QVERIFY(!doc.contains(QChar::ReplacementCharacter));
        const QStringList topics = TableOfContents(doc);
        QCOMPARE(topics.size(), TableOfContents(DocumentationText(ReadDataFile(QStringLiteral("nbr.doc")))).size());
        QCOMPARE(doc.count(TopicHeadingMark), topics.size());
        QCOMPARE(TopicKey(topics.value(11)), configuring);
        const int at = FindText(doc, configuring, 1);
        QCOMPARE(doc.mid(at - 5, 4 + configuring.size()), QStringLiteral("    ") + configuring);
    }
    void topicText_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("topic");
        QTest::newRow("on a heading's first blank: that topic") << 25 << "    * Second\nsecond * body\n";
        QTest::newRow("last topic runs to the end") << 69 << "    * Third\nthird\n";
        QTest::newRow("before the first heading") << 3 << "Intro\n";
    }
    void topicText()
    {
        const QString doc = QStringLiteral("Intro\n    * First\nfirst\n    * Second\nsecond * body\n    * Third\nthird\n");
        QFETCH(int, position);
        QTEST(TopicText(doc, position), "topic");
    }
    void pages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("pages"); // of two lines
        QTest::newRow("any line end; full pages, then the rest") << "1\r\n2\n3\r4\r\n5" << QList<QStringList>{{"1", "2"}, {"3", "4"}, {"5"}};
        QTest::newRow("blank lines inside kept, no blank last page") << "1\n\n3\n4\n\n\n\n" << QList<QStringList>{{"1", ""}, {"3", "4"}};
        QTest::newRow("nothing") << "" << QList<QStringList>{};
    }
    void pages()
    {
        QFETCH(QString, text);
        const std::vector<QStringList> got = Pages(text, 2);
        QTEST(QList<QStringList>(got.begin(), got.end()), "pages");
    }
};

QTEST_APPLESS_MAIN(TestDocumentation)
#include "tst_Documentation.moc"
