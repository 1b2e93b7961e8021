// The shipped tunes as the music break reads them: a Standard MIDI File and a companion
// text whose first line is the title and whose rest describes the piece.
#include "support/TestPlatform.h"

#include <QDir>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {
QDir DataDir()
{
    return QDir(qEnvironmentVariable("NUMBRELLA_DATA"));
}

quint32 Big32(const QByteArray& bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}
} // namespace

class TestTuneFiles : public QObject {
    Q_OBJECT
private slots:
    void enoughTunes();
    void tune_data();
    void tune();
};

void TestTuneFiles::enoughTunes()
{
    const QStringList tunes = DataDir().entryList({QStringLiteral("*.mid")}, QDir::Files);
    QVERIFY2(tunes.size() >= 8, qPrintable(tunes.join(QLatin1Char(' '))));
    QSet<QByteArray> titles;
    for (const QString& t : tunes)
        titles << ReadBytes(DataDir().filePath(t.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".txt"))).split('\r').first();
    QCOMPARE(titles.size(), tunes.size()); // every title its own
}

void TestTuneFiles::tune_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& t : DataDir().entryList({QStringLiteral("*.mid")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(t)) << t;
}

void TestTuneFiles::tune()
{
    QFETCH(QString, file);
    const QByteArray midi = ReadBytes(DataDir().filePath(file));
    QVERIFY(midi.startsWith(QByteArray("MThd\0\0\0\6\0\1", 10)));
    const int tracks = qFromBigEndian<quint16>(midi.constData() + 10);
    qsizetype at = 14;
    for (int t = 0; t < tracks; ++t) {
        QVERIFY(midi.mid(at, 4) == "MTrk");
        const quint32 length = Big32(midi, at + 4);
        QVERIFY(at + 8 + length <= midi.size());
        QVERIFY(midi.mid(at + 8 + length - 3, 3) == QByteArray("\xFF\x2F\x00", 3)); // ends its track
        at += 8 + length;
    }
    QCOMPARE(at, midi.size());

    // The companion: the name up to its first "." and ".txt".
    const QByteArray text = ReadBytes(DataDir().filePath(file.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".txt")));
    QVERIFY(!text.isEmpty());
    for (char c : text)
        QVERIFY2((c >= 32 && c < 127) || c == '\r' || c == '\n', "plain ASCII only");
    QCOMPARE(text.count("\r\n"), text.count('\n'));
    QCOMPARE(text.count("\r\n"), text.count('\r'));
    QVERIFY(text.endsWith("\r\n"));
    // The list shows what comes before the first CR within the first 100 bytes.
    const qsizetype cr = text.indexOf('\r');
    QVERIFY2(cr > 0 && cr < 100, "the title fits the list");
    const QByteArray title = text.left(cr);
    QVERIFY(title.trimmed() == title);
    // The information text is what follows the first LF: a few sentences.
    const QByteArray about = text.mid(text.indexOf('\n') + 1).trimmed();
    const qsizetype sentences = QString::fromLatin1(about).count(QRegularExpression(QStringLiteral("[.!?](\\s|$)")));
    QVERIFY2(sentences >= 3, qPrintable(QString::number(sentences)));
}

QTEST_GUILESS_MAIN(TestTuneFiles)
#include "tst_TuneFiles.moc"
