// The one-value-per-line files: player list, player settings, program settings, the log.
#include "core/logic/ActivityLog.h"
#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Settings.h"
#include "scores/logic/PracticeRecord.h"
#include "support/DiskFull.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

class TestDataFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readValues_data();
    void readValues();
    void textCannotBreakTheFile();
    void playerListOfThree();
    void playerAnn();
    void playerListDamaged_data();
    void playerListDamaged();
    void playerConfigRoundTrip();
    void playerConfigDamaged_data();
    void playerConfigDamaged();
    void playerConfigMissing();
    void firstStartSettings();
    void settingsRoundTrip();
    void settingsDamaged_data();
    void settingsDamaged();
    void movedProgramFolder();
    void sharedFolderSharesFiles_data();
    void sharedFolderSharesFiles();
    void logOff();
    void logLinesAndComma();
    void hugeFiles_data();
    void hugeFiles();
    void fullDiskKeepsEveryFile();
    void settingsFolderCannotBeWritten();

private:
    std::unique_ptr<TestPlatform> p;
};

void TestDataFiles::init()
{
    p = std::make_unique<TestPlatform>();
    p->EnterProgramDir();
}

void TestDataFiles::readValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("quoted with blanks kept") << QByteArray("\"AAB  \"\r\n") << QStringList{"AAB  "};
    QTest::newRow("blanks before a value skipped") << QByteArray("   \"x\"\r\n  7\r\n") << QStringList{"x", "7"};
    QTest::newRow("comma ends an unquoted value") << QByteArray("1,2\r\n3\r\n") << QStringList{"1", "2", "3"};
    QTest::newRow("comma inside quotes stays") << QByteArray("\"Smith, Ann\"\r\n") << QStringList{"Smith, Ann"};
    QTest::newRow("text after the closing quote dropped") << QByteArray("\"a\"xyz\r\n\"b\"\r\n") << QStringList{"a", "b"};
    QTest::newRow("empty lines are empty values") << QByteArray("\r\n\r\n\"c\"\r\n") << QStringList{"", "", "c"};
    QTest::newRow("bare line feeds") << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
    QTest::newRow("no line end at the end") << QByteArray("\"a\"\r\n5") << QStringList{"a", "5"};
    QTest::newRow("utf-8 name") << QByteArray("\"Zo\xc3\xab\"\r\n") << QStringList{QString::fromUtf8("Zo\xc3\xab")};
    QTest::newRow("byte-order mark before the first value") << QByteArray("\xef\xbb\xbf\"a\"\r\n7") << QStringList{"a", "7"};
    QTest::newRow("nothing but a byte-order mark") << QByteArray("\xef\xbb\xbf") << QStringList{};
}

void TestDataFiles::readValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, texts);
    LineReader in = LineReader::FromBytes(file);
    QStringList got;
    while (!in.AtEnd())
        got << *in.ReadText();
    QCOMPARE(got, texts);
    QVERIFY(!in.ReadText().has_value());
}

void TestDataFiles::textCannotBreakTheFile()
{
    LineWriter out;
    out.Text(QStringLiteral("Ann \"the\" great\r\nsecond line"));
    out.Int(-7);
    out.Colour(12640511);
    out.Colour(0.5);
    out.Empty();
    QCOMPARE(out.Bytes(), QByteArray("\"Ann 'the' great second line\"\r\n-7\r\n12640511\r\n0.5\r\n\r\n"));
    LineReader in = LineReader::FromBytes(out.Bytes());
    QCOMPARE(*in.ReadText(), QStringLiteral("Ann 'the' great second line"));
    QCOMPARE(*in.ReadInt(), -7);
    QCOMPARE(*in.ReadColour(), 12640511.0);
    QCOMPARE(*in.ReadColour(), 0.5);
    QCOMPARE(*in.ReadColour(), 0.0);
}

void TestDataFiles::playerListOfThree()
{
    AppState s;
    s.PlayerCount = 3;
    s.Players[1] = {"Ann", "AAB  "};
    s.Players[2] = {"Bob Smith", "AAC  "};
    s.Players[3] = {" Cy ", "ABA  "};
    QVERIFY(SavePlayerList(s));
    const QByteArray bytes = ReadBytes(PlayerListFile);
    QCOMPARE(bytes, QByteArray("3\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob Smith\"\r\n\"AAC  \"\r\n\" Cy \"\r\n\"ABA  \"\r\n"));
    QCOMPARE(bytes.count("\r\n"), 7);
    AppState back;
    LoadPlayerList(back);
    QCOMPARE(int(back.PlayerCount), 3);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(back.Players[k], s.Players[k]);
}

void TestDataFiles::playerAnn()
{
    AppState s;
    s.PlayerCount = 1;
    s.Players[1] = {"Ann", "AAB  "};
    SavePlayerList(s);
    QCOMPARE(ReadBytes(PlayerListFile), QByteArray("1\r\n\"Ann\"\r\n\"AAB  \"\r\n"));
    s.PlayerFileId = s.Players[1][1].left(3);
    QCOMPARE(PlayerConfigFile(s.PlayerFileId), QStringLiteral("AAB.cfg"));
    QCOMPARE(PlayerScoreFile(s.PlayerFileId), QStringLiteral("AAB.scr"));
    QVERIFY(SavePlayerConfig(s));
    QVERIFY(QFile::exists(QStringLiteral("AAB.cfg")));
}

void TestDataFiles::playerListDamaged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("lastName");
    QByteArray fifty = "50\r\n";
    for (int i = 1; i <= 50; ++i)
        fifty += "\"P" + QByteArray::number(i) + "\"\r\n\"A" + QByteArray(1, char('A' + i / 26)) + QByteArray(1, char('A' + i % 26)) + "  \"\r\n";
    QTest::newRow("count 50 keeps 40 rows") << fifty << 40 << "P40";
    QTest::newRow("count not a number keeps the players") << QByteArray("x\r\n\"Ann\"\r\n\"AAB  \"\r\n") << 1 << "Ann";
    QTest::newRow("count too small loses no player")
        << QByteArray("1\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 2 << "Bob";
    QTest::newRow("count too large keeps only real rows") << QByteArray("3\r\n\"Ann\"\r\n\"AAB  \"\r\n") << 1 << "Ann";
    QTest::newRow("no count line: the first name stays") << QByteArray("\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 2 << "Bob";
    QTest::newRow("key that is no key is not taken") << QByteArray("2\r\n\"Ann\"\r\n\"../x\"\r\n\"Bob\"\r\n\"AAC  \"\r\n") << 1 << "Bob";
    QTest::newRow("name without key dropped") << QByteArray("2\r\n\"Ann\"\r\n\"AAB  \"\r\n\"Bob\"\r\n") << 1 << "Ann";
    QTest::newRow("empty file") << QByteArray() << 0 << "";
    QByteArray fortyOne = "41\r\n";
    for (int i = 1; i <= 41; ++i)
        fortyOne += "\"P" + QByteArray::number(i) + "\"\r\n\"A" + QByteArray(1, char('A' + i / 26)) + QByteArray(1, char('A' + i % 26)) + "  \"\r\n";
    QTest::newRow("count 41 keeps 40 rows") << fortyOne << 40 << "P40";
    QTest::newRow("line feeds only, no last line end") << QByteArray("2\n\"Ann\"\n\"AAB  \"\n\"Bob\"\n\"AAC  \"") << 2 << "Bob";
    QTest::newRow("blank lines passed over")
        << QByteArray("\r\n2\r\n\r\n\"Ann\"\r\n  \r\n\"AAB  \"\r\n\r\n\"Bob\"\r\n\"AAC  \"\r\n\r\n") << 2 << "Bob";
    QTest::newRow("byte-order mark, count x") << QByteArray("\xef\xbb\xbfx\r\n\"Zo\xc3\xab\"\r\n\"AAB  \"\r\n") << 1
                                               << QString::fromUtf8("Zo\xc3\xab");
    const QString longName(10000, QLatin1Char('N'));
    QTest::newRow("name of 10,000 characters") << "1\r\n\"" + longName.toUtf8() + "\"\r\n\"AAB  \"\r\n" << 1 << longName;
}

void TestDataFiles::playerListDamaged()
{
    QFETCH(QByteArray, file);
    QFETCH(int, count);
    QFETCH(QString, lastName);
    WriteBytes(PlayerListFile, file);
    AppState s;
    LoadPlayerList(s);
    QCOMPARE(int(s.PlayerCount), count);
    if (count > 0)
        QCOMPARE(s.Players[count][0], lastName);
}

namespace {
AppState SampleConfig()
{
    AppState s;
    s.PlayerFileId = QStringLiteral("AAB");
    s.PlayerGrade = QStringLiteral("3");
    s.CurrentPractice = QStringLiteral("2H5200603151405012015");
    s.AutoAdvance = 1;
    s.LevelDef = QStringLiteral("0J3200603151405000000");
    s.AdvanceNum = 20;
    s.AdvanceMinutes = 3;
    s.AdvanceRight = 4;
    s.ProblemFormat = 2;
    s.BackColour = 16777088;
    return s;
}
} // namespace

void TestDataFiles::playerConfigRoundTrip()
{
    const AppState s = SampleConfig();
    QVERIFY(SavePlayerConfig(s));
    QCOMPARE(ReadBytes(QStringLiteral("AAB.cfg")),
             QByteArray("\"3\"\r\n\"2H5200603151405012015\"\r\n1\r\n\"0J3200603151405000000\"\r\n20\r\n3\r\n4\r\n2\r\n16777088\r\n"));
    AppState back;
    back.PlayerFileId = QStringLiteral("AAB");
    LoadPlayerConfig(back);
    QCOMPARE(back.PlayerGrade, s.PlayerGrade);
    QCOMPARE(back.CurrentPractice, s.CurrentPractice);
    QCOMPARE(back.AutoAdvance, s.AutoAdvance);
    QCOMPARE(back.LevelDef, s.LevelDef);
    QCOMPARE(back.AdvanceNum, s.AdvanceNum);
    QCOMPARE(back.AdvanceMinutes, s.AdvanceMinutes);
    QCOMPARE(back.AdvanceRight, s.AdvanceRight);
    QCOMPARE(back.ProblemFormat, s.ProblemFormat);
    QCOMPARE(back.BackColour, s.BackColour);
    // CurrentPractice is unpacked into the practice variables.
    QCOMPARE(int(back.PracticeOp), 2);
    QCOMPARE(int(back.TableNum), -3);
    QCOMPARE(int(back.PracticeMinutes), 5);
    QCOMPARE(int(back.CorrectCount), 12);
    QCOMPARE(int(back.AttemptCount), 15);
}

void TestDataFiles::playerConfigDamaged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("advanceNum");
    QTest::addColumn<int>("problemFormat");
    QTest::addColumn<double>("colour");
    QTest::addColumn<int>("op");
    // Values before the first bad one are read; the rest keep what memory held (9, 1, 255, op 3).
    QTest::newRow("AdvanceNum not a number")
        << QByteArray("\"2\"\r\n\"0K1200603151405000000\"\r\n0\r\n\"\"\r\nlots\r\n5\r\n5\r\n3\r\n65280\r\n") << 9 << 1 << 255.0 << 0;
    QTest::newRow("cut after the level") << QByteArray("\"2\"\r\n\"1K1200603151405000000\"\r\n0\r\n\"x\"\r\n") << 9 << 1 << 255.0 << 1;
    QTest::newRow("number too big for 16 bits")
        << QByteArray("\"2\"\r\n\"2K1\"\r\n0\r\n\"\"\r\n40000\r\n5\r\n5\r\n3\r\n65280\r\n") << 9 << 1 << 255.0 << 2;
    QTest::newRow("colour 0 keeps the colour")
        << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n0\r\n") << 10 << 3 << 255.0 << 0;
    QTest::newRow("complete") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n65280\r\n") << 10 << 3 << 65280.0 << 0;
    QTest::newRow("line feeds only, no last line end") << QByteArray("\"2\"\n\"1K1\"\n0\n\"\"\n10\n5\n5\n3\n65280") << 10 << 3 << 65280.0 << 1;
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf\"2\"\r\n\"2K1\"\r\n0\r\n\"\"\r\n10\r\n5\r\n5\r\n3\r\n65280\r\n")
                                     << 10 << 3 << 65280.0 << 2;
    // A blank line is an empty value: the number expected there fails and the rest are kept.
    QTest::newRow("blank line where a number stands") << QByteArray("\"2\"\r\n\"0K1\"\r\n0\r\n\"\"\r\n\r\n10\r\n5\r\n5\r\n3\r\n65280\r\n")
                                                      << 9 << 1 << 255.0 << 0;
}

void TestDataFiles::playerConfigDamaged()
{
    QFETCH(QByteArray, file);
    QFETCH(int, advanceNum);
    QFETCH(int, problemFormat);
    QFETCH(double, colour);
    QFETCH(int, op);
    WriteBytes(QStringLiteral("AAC.cfg"), file);
    AppState s;
    s.PlayerFileId = QStringLiteral("AAC");
    s.AdvanceNum = 9;
    s.ProblemFormat = 1;
    s.BackColour = 255;
    s.PracticeOp = 3;
    LoadPlayerConfig(s);
    QCOMPARE(s.PlayerGrade, QStringLiteral("2"));
    QCOMPARE(int(s.AdvanceNum), advanceNum);
    QCOMPARE(int(s.ProblemFormat), problemFormat);
    QCOMPARE(s.BackColour, colour);
    QCOMPARE(int(s.PracticeOp), op);
}

void TestDataFiles::playerConfigMissing()
{
    AppState s = SampleConfig();
    s.PlayerFileId = QStringLiteral("ZZZ");
    LoadPlayerConfig(s);
    QCOMPARE(s.PlayerGrade, QStringLiteral("3"));
    QCOMPARE(int(s.AdvanceNum), 20);
    QVERIFY(!QFile::exists(QStringLiteral("ZZZ.cfg")));
}

void TestDataFiles::firstStartSettings()
{
    AppState s;
    LoadSettings(s, *p);
    QCOMPARE(s.IniPath, p->IniPath());
    QCOMPARE(int(s.FirstRun), 1);
    QCOMPARE(s.NextPlayerId, QStringLiteral("AAA  "));
    const QString folder = QDir::currentPath();
    QCOMPARE(ReadBytes(p->IniPath()),
             "\"" + folder.toUtf8() + "\"\r\n\"AAA  \"\r\n\"\"\r\n\r\n\r\n\r\n12640511\r\n\"\"\r\n1\r\n\"\"\r\n");
}

void TestDataFiles::settingsRoundTrip()
{
    AppState s;
    s.WindowsDir = p->MachineSettingsDir();
    s.IniPath = p->IniPath();
    s.AppPath = p->programDir.path();
    s.NextPlayerId = QStringLiteral("ABZ  ");
    s.LastPlayerName = QStringLiteral("Ann Lee");
    s.BackColour = 8454143;
    s.IniReserved1 = QStringLiteral("keep me");
    s.FirstRun = 0;
    s.IniReserved2 = QStringLiteral("and me");
    QVERIFY(SaveSettings(s));
    AppState back;
    LoadSettings(back, *p);
    QCOMPARE(back.AppPath, s.AppPath);
    QCOMPARE(back.NextPlayerId, s.NextPlayerId);
    QCOMPARE(back.LastPlayerName, s.LastPlayerName);
    QCOMPARE(back.BackColour, s.BackColour);
    QCOMPARE(back.IniReserved1, s.IniReserved1);
    QCOMPARE(int(back.FirstRun), 0);
    QCOMPARE(back.IniReserved2, s.IniReserved2);
}

void TestDataFiles::settingsDamaged_data()
{
    QTest::addColumn<QByteArray>("lines2to10");
    QTest::addColumn<QString>("nextId");
    QTest::addColumn<double>("colour");
    QTest::addColumn<int>("firstRun");
    QTest::addColumn<QString>("reserved2");
    QTest::addColumn<QByteArray>("before"); // bytes before the first line
    QTest::newRow("line 7 holds 0") << QByteArray("\"AAC  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n0\r\n\"\"\r\n0\r\n\"r\"\r\n")
                                    << "AAC  " << 12640511.0 << 0 << "r" << QByteArray();
    QTest::newRow("line 7 empty") << QByteArray("\"AAC  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n\r\n\"\"\r\n0\r\n\"r\"\r\n")
                                  << "AAC  " << 12640511.0 << 0 << "r" << QByteArray();
    QTest::newRow("short key filled with blanks") << QByteArray("\"AB\"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\n0\r\n\"\"\r\n")
                                                  << "AB   " << 255.0 << 0 << "" << QByteArray();
    QTest::newRow("long key cut at five") << QByteArray("\"ABCDEFG\"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\n0\r\n\"\"\r\n")
                                          << "ABCDE" << 255.0 << 0 << "" << QByteArray();
    QTest::newRow("bad FirstRun skipped, line 10 still read")
        << QByteArray("\"AAC  \"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\nyes\r\n\"r\"\r\n") << "AAC  " << 255.0 << 7 << "r" << QByteArray();
    QTest::newRow("cut after line 3") << QByteArray("\"AAD  \"\r\n\"\"\r\n") << "AAD  " << 12640511.0 << 7 << "" << QByteArray();
    QTest::newRow("byte-order mark") << QByteArray("\"AAC  \"\r\n\"\"\r\n\r\n\r\n\r\n255\r\n\"\"\r\n0\r\n\"r\"\r\n")
                                     << "AAC  " << 255.0 << 0 << "r" << QByteArray("\xef\xbb\xbf");
    QTest::newRow("line feeds only, no last line end") << QByteArray("\"AAC  \"\n\"\"\n\n\n\n255\n\"\"\n0\n\"r\"")
                                                       << "AAC  " << 255.0 << 0 << "r" << QByteArray();
}

void TestDataFiles::settingsDamaged()
{
    QFETCH(QByteArray, lines2to10);
    QFETCH(QString, nextId);
    QFETCH(double, colour);
    QFETCH(int, firstRun);
    QFETCH(QString, reserved2);
    QFETCH(QByteArray, before);
    WriteBytes(p->IniPath(), before + "\"" + p->programDir.path().toUtf8() + "\"\r\n" + lines2to10);
    AppState s;
    s.FirstRun = 7;
    LoadSettings(s, *p);
    QCOMPARE(s.AppPath, p->programDir.path());
    QCOMPARE(s.NextPlayerId, nextId);
    QCOMPARE(s.BackColour, colour);
    QCOMPARE(int(s.FirstRun), firstRun);
    QCOMPARE(s.IniReserved2, reserved2);
}

void TestDataFiles::movedProgramFolder()
{
    const QString gone = p->root.path() + QStringLiteral("/old-place");
    WriteBytes(p->IniPath(), "\"" + gone.toUtf8() + "\"\r\n\"AAB  \"\r\n\"Ann\"\r\n\r\n\r\n\r\n12640511\r\n\"\"\r\n0\r\n\"\"\r\n");
    AppState s;
    s.AppPath = p->programDir.path();
    LoadSettings(s, *p);
    QCOMPARE(s.AppPath, QDir::currentPath());
    QCOMPARE(QDir(s.AppPath).canonicalPath(), QDir(p->programDir.path()).canonicalPath());
    // The file keeps the old folder until it is written again.
    QVERIFY(ReadBytes(p->IniPath()).startsWith("\"" + gone.toUtf8() + "\""));
    SaveSettings(s);
    QVERIFY(ReadBytes(p->IniPath()).startsWith("\"" + s.AppPath.toUtf8() + "\""));
}

void TestDataFiles::sharedFolderSharesFiles_data()
{
    QTest::addColumn<bool>("sharedFolder");
    QTest::newRow("folder of one user") << false;
    QTest::newRow("folder every user may write") << true;
}

void TestDataFiles::sharedFolderSharesFiles()
{
    QFETCH(bool, sharedFolder);
    const QString dir = QDir::currentPath();
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                   | (sharedFolder ? QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther
                                                   : QFileDevice::Permissions()));
    AppState s;
    s.PlayerCount = 1;
    s.Players[1] = {"Ann", "AAB  "};
    SavePlayerList(s);
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    AppendScoreRecord(s, p->now);
    for (const char* name : {"Players", "AAB.scr"}) {
        const bool othersWrite = QFile::permissions(QString::fromLatin1(name)) & QFileDevice::WriteOther;
        QCOMPARE(othersWrite, sharedFolder);
    }
}

void TestDataFiles::logOff()
{
    AppState s;
    QString m = QStringLiteral("a,");
    LogEvent(s, *p, m);
    QVERIFY(!QFile::exists(p->LogFilePath()));
    QCOMPARE(m, QStringLiteral("a,"));
}

void TestDataFiles::logLinesAndComma()
{
    AppState s;
    s.LogEnabled = -1;
    QString m = QStringLiteral("24: Auto=1,");
    LogEvent(s, *p, m);
    QCOMPARE(m, QStringLiteral("24: Auto=1"));
    LogEvent(s, *p, QStringLiteral("b"));
    // A second run appends after the first run's lines.
    AppState second;
    second.LogEnabled = -1;
    LogEvent(second, *p, QStringLiteral("a"));
    QCOMPARE(ReadBytes(p->LogFilePath()), QByteArray("\"24: Auto=1\"\r\n\"b\"\r\n\"a\"\r\n"));
    // A log that cannot be written is ignored.
    QFile::remove(p->LogFilePath());
    QDir(p->root.path()).rmdir(QStringLiteral("tmp"));
    LogEvent(second, *p, QStringLiteral("c"));
    QVERIFY(!QFile::exists(p->LogFilePath()));
}

void TestDataFiles::hugeFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("line");
    QByteArray garbage(4096, 0);
    QRandomGenerator random(14);
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));
    QTest::newRow("Players of 50 MB") << "Players" << QByteArray("2\r\n") << QByteArray("\"Ann\"\r\n\"AAB  \"\r\n");
    QTest::newRow("Players of binary garbage") << "Players" << QByteArray() << garbage;
    QTest::newRow("settings of binary garbage") << "AAB.cfg" << QByteArray() << garbage;
    QTest::newRow("nbr.INI of 50 MB") << "nbr.INI" << QByteArray("\".\"\r\n\"ABC  \"\r\n") << QByteArray("\"x\"\r\n");
    QTest::newRow("nbr.INI of binary garbage") << "nbr.INI" << QByteArray() << garbage;
}

void TestDataFiles::hugeFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, line);
    const QString path = file == QLatin1String("nbr.INI") ? p->IniPath() : file;
    WriteRepeated(path, head, line, 50 << 20);
    AppState s;
    s.PlayerFileId = QStringLiteral("AAB");
    LoadPlayerList(s);
    LoadPlayerConfig(s);
    LoadSettings(s, *p);
    QVERIFY(s.PlayerCount >= 0 && s.PlayerCount <= MaxPlayers);
    if (line.startsWith("\"Ann\""))
        QCOMPARE(s.Players[40], (std::array<QString, 2>{"Ann", "AAB  "}));
    if (head.contains("ABC"))
        QCOMPARE(s.NextPlayerId, QStringLiteral("ABC  "));
    QCOMPARE(s.NextPlayerId.size(), 5);
    QVERIFY(QFileInfo(path).size() >= 50 << 20); // reading never shortens a file
}

void TestDataFiles::fullDiskKeepsEveryFile()
{
    AppState s = SampleConfig();
    s.WindowsDir = p->MachineSettingsDir();
    s.IniPath = p->IniPath();
    s.PlayerCount = 1;
    s.Players[1] = {"Ann", "AAB  "};
    s.ScoreFilePath = QStringLiteral("AAB.scr");
    QVERIFY(SavePlayerList(s) && SavePlayerConfig(s) && SaveSettings(s) && AppendScoreRecord(s, p->now));
    const QStringList files{PlayerListFile, QStringLiteral("AAB.cfg"), p->IniPath(), QStringLiteral("AAB.scr")};
    QList<QByteArray> before;
    for (const QString& f : files)
        before << ReadBytes(f);

    s.Players[2] = {"Bob Bobson the Second", "AAC  "};
    s.PlayerCount = 2;
    s.PlayerGrade = QStringLiteral("4");
    s.LastPlayerName = QStringLiteral("Bob");
    {
        // Room for a few bytes of the history line, not for all of it.
        DiskFull full(before.last().size() + 10);
        QVERIFY(!SavePlayerList(s));
        QVERIFY(!SavePlayerConfig(s));
        QVERIFY(!SaveSettings(s));
        QVERIFY(!AppendScoreRecord(s, p->now));
    }
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(ReadBytes(files[i]), before[i]);
    // No half-written temporary file is left beside them.
    QCOMPARE(QDir::current().entryList(QDir::Files).size(), 3);
    // With room again the same calls write.
    QVERIFY(SavePlayerList(s) && AppendScoreRecord(s, p->now));
    QCOMPARE(ReadScoreHistory(QStringLiteral("AAB.scr"))->size(), 2);
}

void TestDataFiles::settingsFolderCannotBeWritten()
{
    // A file where the machine-wide folder should be: nothing can be written there, even by
    // the administrator who runs the tests.
    QDir(p->MachineSettingsDir()).removeRecursively();
    WriteBytes(p->MachineSettingsDir(), "not a folder");
    AppState s;
    s.BackColour = 255;
    LoadSettings(s, *p);
    QVERIFY(!QFile::exists(p->IniPath()));
    // The program goes on with the defaults in memory.
    QCOMPARE(int(s.FirstRun), 1);
    QCOMPARE(s.NextPlayerId, QStringLiteral("AAA  "));
    QCOMPARE(s.AppPath, QDir::currentPath());
    s.LastPlayerName = QStringLiteral("Ann");
    QVERIFY(!SaveSettings(s));
    QCOMPARE(ReadBytes(p->MachineSettingsDir()), QByteArray("not a folder"));
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_DataFiles.moc"
