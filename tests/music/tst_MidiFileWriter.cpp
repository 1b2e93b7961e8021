// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Standard MIDI Files as the tune generator and the player tests write them.
#include "music/logic/MidiFileWriter.h"

#include <QtTest>

class TestMidiFileWriter : public QObject {
    Q_OBJECT
private slots:
    void wholeFile()
    {
        // Written out of order; a repeated note ends before it starts again at the same tick;
        // gaps of 128 ticks and more take more than one byte.
        MidiFileWriter w(96);
        const int conductor = w.AddTrack(), melody = w.AddTrack();
        w.Tempo(conductor, 0, 120);
        w.Program(melody, 0, 2, 73);
        w.Note(melody, 96, 96, 2, 60, 100);
        w.Note(melody, 0, 96, 2, 60, 100);
        w.Controller(melody, 192 + 16384, 2, 7, 90);
        const QByteArray expected = QByteArray::fromHex("4d546864 00000006 0001 0002 0060"
                                                        "4d54726b 0000000b 00ff5103 07a120 00ff2f00"
                                                        "4d54726b 0000001d 00c249 00923c64 60823c40 00923c64"
                                                        "60823c40 818000b2075a 00ff2f00");
        QCOMPARE(w.Bytes().toHex(' '), expected.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestMidiFileWriter)
#include "tst_MidiFileWriter.moc"
