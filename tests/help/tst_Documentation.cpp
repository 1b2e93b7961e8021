// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The manual's rules: the table of contents and topic keys, the topic printed and the pages.
// The help window's tests bring matches into view.
#include "help/logic/Documentation.h"
#include "help/logic/Printing.h"
#include "help/logic/TextSearch.h"

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
