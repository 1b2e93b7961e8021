// The music break's list: titles and descriptions from the companion files, the cap on
// the number of pieces, the random pick and the buttons offered in each player state.
#include "core/logic/Tunes.h"
#include "music/logic/MusicPieces.h"
#include "music/logic/TransportState.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestMusicPieces : public QObject {
    Q_OBJECT
private slots:
    void companionTitle_data();
    void companionTitle();
    void companionInfo_data();
    void companionInfo();
    void listAndInformation_data();
    void listAndInformation();
    void firstHundredAndOneOffered();
    void randomIndex_data();
    void randomIndex();
    void buttons_data();
    void buttons();
};

void TestMusicPieces::companionTitle_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("title");
    const QByteArray hundred = QByteArray(60, 'a') + QByteArray(40, 'b');
    QTest::newRow("first line up to CR LF") << QByteArray("Twinkle, Twinkle\r\nA star.\r\n") << "Twinkle, Twinkle";
    QTest::newRow("LF before the CR stays in the title") << QByteArray("Two\nlines\r\n") << "Two\nlines";
    QTest::newRow("empty first line") << QByteArray("\r\nno title\r\n") << "";
    QTest::newRow("CR as the 100th byte") << QByteArray(99, 'x') + "\rmore" << QString(99, QLatin1Char('x'));
    QTest::newRow("CR only after 100 bytes: all 100") << hundred + "\r\n" << QString::fromLatin1(hundred);
    QTest::newRow("short file without CR: padded to 100")
        << QByteArray("Lullaby\nSleep well.\n") << QStringLiteral("Lullaby\nSleep well.\n") + QString(80, QLatin1Char(' '));
    QTest::newRow("empty file: 100 blanks") << QByteArray() << QString(100, QLatin1Char(' '));
}

void TestMusicPieces::companionTitle()
{
    QFETCH(QByteArray, head);
    QFETCH(QString, title);
    QCOMPARE(CompanionTitle(head), title);
}

void TestMusicPieces::companionInfo_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("info");
    QTest::newRow("after the first LF") << QByteArray("Title\r\nOld tune.\r\nSing!\r\n") << "Old tune.\r\nSing!\r\n";
    QTest::newRow("no LF: the whole text") << QByteArray("Title\rstill the title") << "Title\rstill the title";
    QTest::newRow("LF at the end: nothing") << QByteArray("Title\r\n") << "";
    QTest::newRow("UTF-8 decoded") << QByteArray("T\n\xC3\xA9t\xC3\xA9") << QString::fromUtf8("\xC3\xA9t\xC3\xA9");
}

void TestMusicPieces::companionInfo()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, info);
    QCOMPARE(CompanionInfo(text), info);
}

void TestMusicPieces::listAndInformation_data()
{
    QTest::addColumn<QString>("midi");
    QTest::addColumn<QString>("companion"); // "" for none
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("info");
    QTest::newRow("title and description") << "odetojoy.mid" << "odetojoy.txt"
                                           << QByteArray("Ode to Joy\r\nBeethoven wrote it.\r\n")
                                           << "Ode to Joy" << "Beethoven wrote it.\r\n";
    QTest::newRow("no companion: the file name") << "yankee.mid" << "" << QByteArray() << "yankee.mid" << NoInformation;
    QTest::newRow("companion of another name does not count")
        << "yankee.mid" << "yankee.mid.txt" << QByteArray("Yankee\r\nx\r\n") << "yankee.mid" << NoInformation;
    QTest::newRow("name up to the first dot") << "minuet.in.g.mid" << "minuet.txt"
                                              << QByteArray("Minuet in G\r\nBach.\r\n") << "Minuet in G" << "Bach.\r\n";
    QTest::newRow("companion in capitals") << "Lullaby.MID" << "LULLABY.TXT"
                                           << QByteArray("Lullaby\r\nBrahms.\r\n") << "Lullaby" << "Brahms.\r\n";
    QTest::newRow("no CR: 100 characters, and the description after the LF")
        << "march.mid" << "march.txt" << QByteArray("March\nLeft, right.\n")
        << QStringLiteral("March\nLeft, right.\n") + QString(81, QLatin1Char(' ')) << "Left, right.\n";
    QTest::newRow("title equal to the file name: no description")
        << "waltz.mid" << "waltz.txt" << QByteArray("waltz.mid\r\nOne two three.\r\n") << "waltz.mid" << NoInformation;
}

void TestMusicPieces::listAndInformation()
{
    QFETCH(QString, midi);
    QFETCH(QString, companion);
    QFETCH(QByteArray, text);
    QFETCH(QString, title);
    QFETCH(QString, info);
    TestPlatform p;
    p.EnterProgramDir();
    WriteBytes(QStringLiteral("AAA.mid"), "x");
    WriteBytes(QStringLiteral("AAA.txt"), "First\r\nThe first.");
    WriteBytes(midi, "x");
    if (!companion.isEmpty())
        WriteBytes(companion, text);
    const MusicList list = ReadMusicList(MidiFiles());
    QCOMPARE(list.MusicFiles, QStringList({"AAA.mid", midi}));
    QCOMPARE(list.titles, QStringList({"First", title}));
    QCOMPARE(PieceInformation(list.MusicFiles.at(1), list.titles.at(1)), info);
    QCOMPARE(PieceInformation(list.MusicFiles.at(0), list.titles.at(0)), QStringLiteral("The first."));
}

void TestMusicPieces::firstHundredAndOneOffered()
{
    TestPlatform p;
    p.EnterProgramDir();
    for (int i = 0; i < 105; ++i)
        WriteBytes(QStringLiteral("tune%1.mid").arg(i, 3, 10, QLatin1Char('0')), "x");
    WriteBytes(QStringLiteral("tune100.txt"), "The last one\r\n");
    WriteBytes(QStringLiteral("tune101.txt"), "One too many\r\n");
    const MusicList list = ReadMusicList(MidiFiles());
    QCOMPARE(list.MusicFiles.size(), 101);
    QCOMPARE(list.titles.size(), 101);
    QCOMPARE(list.MusicFiles.first(), QStringLiteral("tune000.mid"));
    QCOMPARE(list.MusicFiles.last(), QStringLiteral("tune100.mid"));
    QCOMPARE(list.titles.last(), QStringLiteral("The last one"));
    QVERIFY(!list.titles.contains(QStringLiteral("One too many")));
}

void TestMusicPieces::randomIndex_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::newRow("0 is the first") << 0.0 << 5 << 0;
    QTest::newRow("just under a fifth") << 0.1999 << 5 << 0;
    QTest::newRow("a fifth is the second") << 0.2 << 5 << 1;
    QTest::newRow("just under 1 is the last") << 0.9999 << 5 << 4;
    QTest::newRow("1 itself stays on the list") << 1.0 << 5 << 4;
    QTest::newRow("one piece") << 0.7 << 1 << 0;
    QTest::newRow("101 pieces") << 0.9999 << 101 << 100;
}

void TestMusicPieces::randomIndex()
{
    QFETCH(double, r);
    QFETCH(int, count);
    QFETCH(int, index);
    TestPlatform p;
    p.randoms = {r};
    QCOMPARE(RandomIndex(p, count), index);
}

void TestMusicPieces::buttons_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<bool>>("prevPlayPauseStop");
    QTest::newRow("playing") << int(PlayerState::Playing) << QList<bool>{true, false, true, true};
    QTest::newRow("paused") << int(PlayerState::Paused) << QList<bool>{true, true, false, true};
    QTest::newRow("stopped at the start") << int(PlayerState::Stopped) << QList<bool>{false, true, false, false};
}

void TestMusicPieces::buttons()
{
    QFETCH(int, state);
    QFETCH(QList<bool>, prevPlayPauseStop);
    const TransportButtons b = ButtonsFor(static_cast<PlayerState>(state));
    QCOMPARE((QList<bool>{b.Prev, b.Play, b.Pause, b.Stop}), prevPlayPauseStop);
}

QTEST_GUILESS_MAIN(TestMusicPieces)
#include "tst_MusicPieces.moc"
