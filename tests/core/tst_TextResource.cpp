// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Numbered text sections of "nbr.txx", the joining of their lines, and the message when the
// file is missing (the stop itself is driven end to end in tests/e2e/missing_texts.sh).
#include "core/logic/Language.h"
#include "core/logic/TextResource.h"
#include "support/TestPlatform.h"

#include <QElapsedTimer>
#include <QtTest>

class TestTextResource : public QObject {
    Q_OBJECT
private slots:
    void sections_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        const QByteArray file = "head[05first part of five[06six[07";
        QTest::newRow("section 5 between its markers") << file << 5 << "first part of five";
        QTest::newRow("highest section has no end marker") << file << 7 << "GetTxt Error";
        QTest::newRow("start marker missing but next present") << QByteArray("abcdef[11rest[12") << 10 << "GetTxt Error";
        QTest::newRow("markers in the wrong order") << QByteArray("[11x[10y") << 10 << "GetTxt Error";
        QTest::newRow("two digits for 18") << QByteArray("[18Hello[19") << 18 << "Hello";
    }
    void sections()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, n);
        QTEST(TextSection(file, n), "text");
    }
    void joining_data()
    {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("single break joined without a blank") << QByteArray("first line \r\nsecond line") << QByteArray("first line second line");
        QTest::newRow("blank line kept") << QByteArray("paragraph one\r\n\r\nparagraph two") << QByteArray("paragraph one\r\n\r\nparagraph two");
        QTest::newRow("line starting with a blank kept") << QByteArray("list head\r\n item one") << QByteArray("list head\r\n item one");
        QTest::newRow("break at the very end removed") << QByteArray("the end\r\n") << QByteArray("the end");
        // After the break at 3 is removed the search resumes at 3 + 8 = 11: the break at 8 stays.
        QTest::newRow("break within eight characters not examined") << QByteArray("abc\r\nde\r\nfghijklmno\r\npq") << QByteArray("abcde\r\nfghijklmnopq");
        QTest::newRow("break exactly eight on is examined") << QByteArray("abc\r\nxxxxxxxx\r\nyy") << QByteArray("abcxxxxxxxxyy");
        // 400,000 breaks: removing them one by one in place takes many seconds, one pass a moment.
        QTest::newRow("a section of 4 MB") << QByteArray("abcdefghi\r\n").repeated(400000) << QByteArray("abcdefghi").repeated(400000);
    }
    void joining()
    {
        QFETCH(QByteArray, in);
        QElapsedTimer t;
        t.start();
        QTEST(JoinTextLines(in), "out");
        QVERIFY2(t.elapsed() < 1000, "joining is one pass");
    }
    // A translated messages file beside the English one: the same markers in the same order and
    // no other bracket, CR LF lines, each section there in its own words and whole UTF-8.
    void translatedSections_data() { AddLanguageRows(); }
    void translatedSections()
    {
        QFETCH(QString, language);
        const QByteArray english = ReadDataFile(QStringLiteral("nbr.txx"));
        const QByteArray translated = ReadDataFile(QStringLiteral("nbr.%1.txx").arg(language));
        const auto brackets = [](const QByteArray& file) {
            QByteArrayList found;
            for (qsizetype p = file.indexOf('['); p >= 0; p = file.indexOf('[', p + 1))
                found << file.mid(p, 3);
            return found;
        };
        QCOMPARE(brackets(translated), brackets(english));
        QCOMPARE(translated.count('\n'), translated.count("\r\n"));
        for (int n = 10; n <= 18; ++n) {
            const QString own = TextSection(translated, n);
            const QString original = TextSection(english, n);
            QCOMPARE(own == TextSectionError, original == TextSectionError);
            const bool wording = original != TextSectionError && !original.isEmpty();
            QVERIFY2(!wording || own != original, qPrintable(QString::number(n)));
            QVERIFY(!own.contains(QChar::ReplacementCharacter));
        }
    }
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG as a desktop sets them, and the language spoken.
    void desktopLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("nothing set") << QStringList{"", "", "", ""} << "en";
        QTest::newRow("LANG after a list of nothing spoken") << QStringList{"it", "", "", "de_DE.UTF-8@euro"} << "de";
        QTest::newRow("list, first unknown") << QStringList{"it:fr_CA:de", "", "", "de_DE"} << "fr";
        QTest::newRow("list, English first") << QStringList{"en_GB:de", "", "", "de_DE"} << "en";
        QTest::newRow("LC_ALL over LANG") << QStringList{"", "C", "", "fr_FR"} << "en";
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"", "", "es_MX.UTF-8", "de_DE"} << "es";
    }
    void desktopLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, spoken);
        QCOMPARE(DesktopLanguage(environment[0], environment[1], environment[2], environment[3]), spoken);
    }
    void missingFileMessage()
    {
        QCOMPARE(MissingTextResourceMessage(QStringLiteral("/opt/nbr")),
                 QStringLiteral("Aborting: nbr.txx is missing.\n\nThis probably means one of two things.  Either you installed NBR in a temporary folder or you moved QUBO.EXE after it was installed.  The remedy is to extract NBR.TXX from your original .ZIP file and put it in /opt/nbr"));
    }
};

QTEST_GUILESS_MAIN(TestTextResource)
#include "tst_TextResource.moc"
