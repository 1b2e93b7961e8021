// Standard MIDI Files as the tune generator and the player tests write them.
#include "music/logic/MidiFileWriter.h"

#include <QtTest>

class TestMidiFileWriter : public QObject {
    Q_OBJECT
private slots:
    void variableLength_data();
    void variableLength();
    void wholeFile();
    void eventsInTimeOrder();
};

void TestMidiFileWriter::variableLength_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << 0u << QByteArray("\x00", 1);
    QTest::newRow("127") << 127u << QByteArray("\x7F");
    QTest::newRow("128") << 128u << QByteArray("\x81\x00", 2);
    QTest::newRow("480") << 480u << QByteArray("\x83\x60");
    QTest::newRow("16383") << 16383u << QByteArray("\xFF\x7F");
    QTest::newRow("16384") << 16384u << QByteArray("\x81\x80\x00", 3);
    QTest::newRow("largest") << 0x0FFFFFFFu << QByteArray("\xFF\xFF\xFF\x7F");
}

void TestMidiFileWriter::variableLength()
{
    QFETCH(uint, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(MidiFileWriter::VariableLength(value).toHex(' '), bytes.toHex(' '));
}

void TestMidiFileWriter::wholeFile()
{
    MidiFileWriter w(96);
    const int conductor = w.AddTrack();
    const int melody = w.AddTrack();
    w.Tempo(conductor, 0, 120);
    w.Program(melody, 0, 2, 73);
    w.Note(melody, 0, 96, 2, 60, 100);
    const QByteArray expected = QByteArray::fromHex(
        "4d546864 00000006 0001 0002 0060"
        "4d54726b 0000000b 00ff5103 07a120 00ff2f00"
        "4d54726b 0000000f 00c249 00923c64 60823c40 00ff2f00");
    QCOMPARE(w.Bytes().toHex(' '), expected.toHex(' '));
}

void TestMidiFileWriter::eventsInTimeOrder()
{
    // Written out of order; a repeated note ends before it starts again at the same tick.
    MidiFileWriter w(100);
    const int t = w.AddTrack();
    w.Note(t, 100, 100, 0, 64, 80);
    w.Note(t, 0, 100, 0, 64, 80);
    w.Controller(t, 200, 0, 7, 90);
    const QByteArray expected = QByteArray::fromHex(
        "4d546864 00000006 0001 0001 0064"
        "4d54726b 00000018"
        "00904050 64804040 00904050 64804040 00b0075a 00ff2f00");
    QCOMPARE(w.Bytes().toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(TestMidiFileWriter)
#include "tst_MidiFileWriter.moc"
