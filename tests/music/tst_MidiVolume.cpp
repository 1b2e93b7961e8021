// The music volume: the channel arithmetic, the volume bar and start-up's probe of the device.
#include "music/logic/MidiVolume.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestMidiVolume : public QObject {
    Q_OBJECT
private slots:
    void init();
    void setMidiVolume_data();
    void setMidiVolume();
    void volumeBar_data();
    void volumeBar();
    void barPositionOfVolume_data();
    void barPositionOfVolume();
    void refusedVolumeIsReported();
    void probe_data();
    void probe();
    void probeWithoutLogWritesNothing();

private:
    std::unique_ptr<TestPlatform> p;
    AppState s;
};

void TestMidiVolume::init()
{
    p = std::make_unique<TestPlatform>();
    s = AppState();
    s.LogEnabled = -1;
}

void TestMidiVolume::setMidiVolume_data()
{
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<uint>("sent");
    QTest::newRow("0 and 0 are full volume") << 0 << 0 << 0xFFFFFFFFu;
    QTest::newRow("only the low 16 bits count") << 70000 << 1 << 0x11700001u;
    QTest::newRow("-1 is 0xFFFF") << -1 << -1 << 0xFFFFFFFFu;
    QTest::newRow("high is the right channel") << 0x1234 << 0x5678 << 0x12345678u;
    QTest::newRow("65536 keeps no bit, not 0") << 65536 << 5 << 0x00000005u;
    QTest::newRow("negative values wrap") << -2 << 0x8000 << 0xFFFE8000u;
}

void TestMidiVolume::setMidiVolume()
{
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(uint, sent);
    QCOMPARE(SetMidiVolume(p->midi, high, low), MidiNoError);
    QCOMPARE(p->midi.sent.size(), size_t(1));
    QCOMPARE(uint(p->midi.sent.front()), sent);
    QCOMPARE(uint(MidiVolumeValue(high, low)), sent);
}

void TestMidiVolume::volumeBar_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<uint>("sent");
    QTest::newRow("top") << 0 << 0xFFFEFFFFu;
    QTest::newRow("1") << 1 << 0xEFFFF000u;
    QTest::newRow("middle") << 8 << 0x7FFF8000u;
    QTest::newRow("15") << 15 << 0x0FFF1000u;
    QTest::newRow("bottom is silence") << 16 << 0x00000000u;
    QTest::newRow("above the top counts as the top") << -3 << 0xFFFEFFFFu;
    QTest::newRow("below the bottom counts as the bottom") << 20 << 0x00000000u;
}

void TestMidiVolume::volumeBar()
{
    QFETCH(int, position);
    QFETCH(uint, sent);
    QCOMPARE(SetVolumeFromBar(p->midi, position), MidiNoError);
    QCOMPARE(p->midi.sent.size(), size_t(1));
    QCOMPARE(uint(p->midi.sent.front()), sent);
}

void TestMidiVolume::barPositionOfVolume_data()
{
    QTest::addColumn<uint>("volume");
    QTest::addColumn<int>("position");
    QTest::newRow("full") << 0xFFFFFFFFu << 0;
    QTest::newRow("as the probe leaves it") << 0xFFFEFFFFu << 0;
    QTest::newRow("set from 1") << 0xEFFFF000u << 1;
    QTest::newRow("set from 8") << 0x7FFF8000u << 8;
    QTest::newRow("set from 15") << 0x0FFF1000u << 15;
    QTest::newRow("silent") << 0x00000000u << 16;
    QTest::newRow("left channel decides") << 0x0000FFFFu << 0;
    QTest::newRow("between steps rounds") << 0xFFFF7000u << 9;
}

void TestMidiVolume::barPositionOfVolume()
{
    QFETCH(uint, volume);
    QFETCH(int, position);
    QCOMPARE(VolumeBarPosition(volume), position);
}

void TestMidiVolume::refusedVolumeIsReported()
{
    p->midi.setResult = MidiNotSupported;
    p->midi.volume = 0x12345678u;
    QCOMPARE(SetVolumeFromBar(p->midi, 4), MidiNotSupported);
    QCOMPARE(SetMidiVolume(p->midi, 1, 1), MidiNotSupported);
    QCOMPARE(p->midi.volume, 0x12345678u);
}

void TestMidiVolume::probe_data()
{
    QTest::addColumn<uint>("support");
    QTest::addColumn<int>("capsResult");
    QTest::addColumn<int>("getResult");
    QTest::addColumn<int>("setResult");
    QTest::addColumn<bool>("keepsVolume");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("volumeSupport");
    QTest::addColumn<int>("sentCount");
    const int ok = MidiNoError;
    const int no = MidiNotSupported;
    QTest::newRow("no support flags") << 0u << ok << ok << ok << true << QByteArray("v1 v2") << 0 << 0;
    QTest::newRow("no capabilities") << 3u << no << ok << ok << true << QByteArray("v1") << 0 << 0;
    QTest::newRow("volume cannot be read") << 1u << ok << no << ok << true << QByteArray("v1 v2 v3") << 0 << 0;
    QTest::newRow("volume refused") << 1u << ok << ok << no << true << QByteArray("v1 v2 v3 v4") << 0 << 1;
    QTest::newRow("volume taken but unchanged") << 1u << ok << ok << ok << false << QByteArray("v1 v2 v3 v4 v5 v6") << 1 << 1;
    QTest::newRow("volume changed") << 3u << ok << ok << ok << true << QByteArray("v1 v2 v3 v4 v5 v6 v7") << 1 << 1;
}

void TestMidiVolume::probe()
{
    QFETCH(uint, support);
    QFETCH(int, capsResult);
    QFETCH(int, getResult);
    QFETCH(int, setResult);
    QFETCH(bool, keepsVolume);
    QFETCH(QByteArray, log);
    QFETCH(int, volumeSupport);
    QFETCH(int, sentCount);
    p->midi.caps.Support = support;
    p->midi.caps.ProductName = QStringLiteral("Test Synth");
    p->midi.capsResult = capsResult;
    p->midi.getResult = getResult;
    p->midi.setResult = setResult;
    p->midi.keepsVolume = keepsVolume;
    p->midi.volume = 0xC000A000u;
    s.MidiVolumeSupport = 1;
    ProbeMidiVolume(s, *p);

    QByteArray expected;
    for (const QByteArray& line : log.split(' '))
        expected += '"' + line + "\"\r\n";
    QCOMPARE(ReadBytes(p->LogFilePath()), expected);
    QCOMPARE(int(s.MidiVolumeSupport), volumeSupport);
    QCOMPARE(int(p->midi.sent.size()), sentCount);
    if (sentCount > 0) // the same volume, the right channel one step lower
        QCOMPARE(uint(p->midi.sent.front()), 0xBFFFA000u);
    QCOMPARE(s.MidiCaps.ProductName, capsResult == MidiNoError ? QStringLiteral("Test Synth") : QString());
}

void TestMidiVolume::probeWithoutLogWritesNothing()
{
    s.LogEnabled = 0;
    ProbeMidiVolume(s, *p);
    QVERIFY(!QFile::exists(p->LogFilePath()));
    QCOMPARE(int(s.MidiVolumeSupport), 1);
    QCOMPARE(uint(p->midi.volume), 0xFFFEFFFFu);
}

QTEST_GUILESS_MAIN(TestMidiVolume)
#include "tst_MidiVolume.moc"
