// The music break's pieces: titles and descriptions from the companion files, also those
// shipped, and the cap on the list.
#include "core/logic/Tunes.h"
#include "music/logic/MusicPieces.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestMusicPieces : public QObject {
    Q_OBJECT
private slots:
    // A piece and its companion file ("" for none): the title listed and the description shown.
    void listAndInformation_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("info");
        const QStringList ode{"ode.mid", "ode.txt"};
        QTest::newRow("title up to the CR, description after the LF")
            << ode << QByteArray("Ode to Joy\r\nBeethoven.\r\n") << "Ode to Joy" << "Beethoven.\r\n";
        QTest::newRow("LF before the CR stays in the title") << ode << QByteArray("Two\nlines\r\n") << "Two\nlines" << "lines\r\n";
        QTest::newRow("CR as the 100th byte; no LF: the whole text")
            << ode << QByteArray(99, 'x') + "\rmore" << QString(99, u'x') << QString(99, u'x') + "\rmore";
        QTest::newRow("CR after 100 bytes: all 100") << ode << QByteArray(100, 'b') + "c\r\n" << QString(100, u'b') << "";
        QTest::newRow("no CR: padded to 100") << ode << QByteArray("Lullaby\n") << "Lullaby\n" + QString(92, u' ') << "";
        QTest::newRow("no companion: the file name") << QStringList{"yankee.mid", ""} << QByteArray() << "yankee.mid" << NoInformation;
        QTest::newRow("named up to the first dot, any case")
            << QStringList{"minuet.in.g.mid", "MINUET.TXT"} << QByteArray("Minuet\r\nBach.") << "Minuet" << "Bach.";
        QTest::newRow("title equal to the file name: no description")
            << QStringList{"waltz.mid", "waltz.txt"} << QByteArray("waltz.mid\r\nOne two.\r\n") << "waltz.mid" << NoInformation;
    }
    void listAndInformation()
    {
        QFETCH(QStringList, files);
        QFETCH(QByteArray, text);
        TestPlatform p;
        p.EnterProgramDir();
        WriteBytes(files[0], "x");
        if (!files[1].isEmpty())
            WriteBytes(files[1], text);
        const MusicList list = ReadMusicList(MidiFiles());
        QCOMPARE(list.MusicFiles, QStringList{files[0]});
        QTEST(list.titles.value(0), "title");
        QTEST(PieceInformation(files[0], list.titles.value(0)), "info");
    }
    void firstHundredAndOneOffered()
    {
        QStringList files;
        for (int i = 0; i < 102; ++i)
            files << QStringLiteral("tune%1.mid").arg(i);
        QCOMPARE(ReadMusicList(files).titles, files.mid(0, 101));
    }
    void shippedTunes()
    {
        // Each its own title, with its CR in the first 100 bytes, and a description in CR LF lines.
        QDir::setCurrent(qEnvironmentVariable("NUMBRELLA_DATA"));
        const MusicList list = ReadMusicList(MidiFiles());
        QVERIFY(list.MusicFiles.size() >= 8);
        QCOMPARE(QSet<QString>(list.titles.cbegin(), list.titles.cend()).size(), list.titles.size());
        for (int i = 0; i < list.titles.size(); ++i) {
            const QString& title = list.titles.at(i);
            const QString about = PieceInformation(list.MusicFiles.at(i), title);
            QVERIFY2(title != list.MusicFiles.at(i) && title == title.trimmed() && !title.contains(u'\n'), qPrintable(title));
            QVERIFY(about.size() > 100 && about.endsWith(QStringLiteral("\r\n")) && about.count(u'\r') == about.count(u'\n'));
        }
    }
};

QTEST_GUILESS_MAIN(TestMusicPieces)
#include "tst_MusicPieces.moc"
