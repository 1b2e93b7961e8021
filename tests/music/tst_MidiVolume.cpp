// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The music volume: the channel arithmetic, the volume bar both ways and start-up's probe.
#include "music/logic/MidiVolume.h"
#include "support/TestPlatform.h"

#include <QtTest>

using Sent = std::vector<std::uint32_t>;

class TestMidiVolume : public QObject {
    Q_OBJECT
private slots:
    // What reaches the device for a bar position {p} or two channel values {high, low}, when
    // it answers `result`; and where the bar shows the volume sent.
    void sent_data()
    {
        QTest::addColumn<QList<int>>("set");
        QTest::addColumn<int>("result");
        QTest::addColumn<uint>("sent");
        QTest::addColumn<int>("shown");
        QTest::newRow("bar top") << QList<int>{0} << 0 << 0xFFFEFFFFu << 0;
        QTest::newRow("bar one step down: 3 dB quieter") << QList<int>{1} << 0 << 0xB53AB53Bu << 1;
        QTest::newRow("bar middle, refused: reported") << QList<int>{8} << MidiNotSupported << 0x10261027u << 8;
        QTest::newRow("bar last step above silence: -45 dB") << QList<int>{15} << 0 << 0x01700171u << 15;
        QTest::newRow("bar bottom is silence") << QList<int>{16} << 0 << 0u << 16;
        QTest::newRow("channels: 0 stands for -1") << QList<int>{0, 0} << 0 << 0xFFFFFFFFu << 0;
        QTest::newRow("channels: low 16 bits, high right") << QList<int>{-2, 0x18000} << 0 << 0xFFFE8000u << 2;
    }
    void sent()
    {
        QFETCH(QList<int>, set);
        QFETCH(int, result);
        QFETCH(uint, sent);
        FakeMidiDevice d;
        d.setResult = result;
        QCOMPARE(set.size() == 1 ? SetVolumeFromBar(d, set[0]) : SetMidiVolume(d, set[0], set[1]), result);
        QCOMPARE(d.sent, Sent{sent});
        QTEST(VolumeBarPosition(sent), "shown");
    }
    void probe_data()
    {
        QTest::addColumn<QList<int>>("device"); // support flags, caps, get and set results, keeps a volume
        QTest::addColumn<QByteArray>("log");
        const int no = MidiNotSupported;
        QTest::newRow("no capabilities") << QList<int>{3, no, 0, 0, 1} << QByteArray("v1");
        QTest::newRow("no support flags") << QList<int>{0, 0, 0, 0, 1} << QByteArray("v1 v2");
        QTest::newRow("volume unreadable") << QList<int>{1, 0, no, 0, 1} << QByteArray("v1 v2 v3");
        QTest::newRow("volume refused") << QList<int>{1, 0, 0, no, 1} << QByteArray("v1 v2 v3 v4");
        // Taken and changed ("v7") is the start-up's in the whole-program test.
        QTest::newRow("taken but unchanged") << QList<int>{1, 0, 0, 0, 0} << QByteArray("v1 v2 v3 v4 v5 v6");
    }
    void probe()
    {
        QFETCH(QList<int>, device);
        QFETCH(QByteArray, log);
        TestPlatform p;
        ProgramSettings program;
        program.LogEnabled = -1;
        MidiState s;
        s.MidiVolumeSupport = 1;
        FakeMidiDevice& d = p.midi;
        std::tie(d.caps.Support, d.capsResult, d.getResult, d.setResult, d.keepsVolume) =
            std::tuple(device[0], device[1], device[2], device[3], device[4] == 1);
        d.volume = 0xC000A000u;
        ProbeMidiVolume(s, program, p);
        // The same volume with the right channel one step lower, once the volume was read.
        QCOMPARE(d.sent, log.contains("v4") ? Sent{0xBFFFA000u} : Sent{});
        QCOMPARE(ReadBytes(p.LogFilePath()), '"' + log.replace(" ", "\"\r\n\"") + "\"\r\n");
        QCOMPARE(int(s.MidiVolumeSupport), int(log.contains("v5"))); // supported once a change was taken
    }
};

QTEST_GUILESS_MAIN(TestMidiVolume)
#include "tst_MidiVolume.moc"
