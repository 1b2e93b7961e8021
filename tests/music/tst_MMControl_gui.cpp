// The media-control player on the real synthesizer: commands, mode and position.
#include "music/MMControl.h"
#include "music/logic/MidiFileWriter.h"
#include "support/TestPlatform.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int TicksPerBeat = 480; // at 120 beats a minute: 0.96 ticks a millisecond

int TicksIn(qint64 milliseconds)
{
    return static_cast<int>(milliseconds * TicksPerBeat / 500);
}

// A piece of `beats` notes at 120 beats a minute (half a second each).
QByteArray Piece(int beats, int program = 0)
{
    MidiFileWriter w(TicksPerBeat);
    const int t = w.AddTrack();
    w.Tempo(t, 0, 120);
    w.Program(t, 0, 0, program);
    for (int i = 0; i < beats; ++i)
        w.Note(t, i * TicksPerBeat, TicksPerBeat - 40, 0, 60 + i % 12, 90);
    return w.Bytes();
}
} // namespace

class TestMMControl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void playReturnsAtOnceAndPlays();
    void stopKeepsPositionAndPlayResumes();
    void prevGoesBackToTheStart_data();
    void prevGoesBackToTheStart();
    void shortPieceEndsAndPlaysAgain();
    void waitHoldsPlayUntilTheEnd();
    void fileThatCannotBeOpened_data();
    void fileThatCannotBeOpened();
    void brokenPieceStopsBeingPlayed();
    void closeForgetsThePiece();
    void buttonsOnlyReport_data();
    void buttonsOnlyReport();

private:
    void OpenPiece(const QByteArray& bytes);

    std::unique_ptr<TestPlatform> p;
    std::unique_ptr<MMControl> mm;
};

void TestMMControl::init()
{
    p = std::make_unique<TestPlatform>();
    p->EnterProgramDir();
    mm = std::make_unique<MMControl>();
}

void TestMMControl::cleanup()
{
    mm.reset();
}

void TestMMControl::OpenPiece(const QByteArray& bytes)
{
    WriteBytes(QStringLiteral("piece.mid"), bytes);
    mm->SetFileName(QStringLiteral("piece.mid"));
    mm->SetWait(true);
    mm->SetShareable(false);
    mm->SetCommand(QStringLiteral("Open"));
    QCOMPARE(mm->Error(), MMControl::ErrorNone);
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
}

void TestMMControl::playReturnsAtOnceAndPlays()
{
    OpenPiece(Piece(40)); // 20 seconds
    QElapsedTimer clock;
    clock.start();
    mm->SetCommand(QStringLiteral("Play"));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QTest::qWait(400);
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QVERIFY(mm->Position() > 100);
}

void TestMMControl::stopKeepsPositionAndPlayResumes()
{
    OpenPiece(Piece(40));
    mm->SetCommand(QStringLiteral("Play"));
    QTest::qWait(600);
    mm->SetWait(true);
    mm->SetCommand(QStringLiteral("Stop"));
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
    const int stoppedAt = mm->Position();
    QVERIFY(stoppedAt > 300);
    QTest::qWait(1000);
    QCOMPARE(mm->Position(), stoppedAt);
    QElapsedTimer clock;
    clock.start();
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QTest::qWait(200);
    // On from where it stopped: neither from the start nor ahead by the second it was stopped.
    const int resumedAt = mm->Position();
    const int played = TicksIn(clock.elapsed());
    QVERIFY2(resumedAt > stoppedAt && resumedAt < stoppedAt + played + TicksPerBeat,
             qPrintable(QStringLiteral("%1 then %2 after %3").arg(stoppedAt).arg(resumedAt).arg(played)));
}

void TestMMControl::prevGoesBackToTheStart_data()
{
    QTest::addColumn<bool>("stopFirst");
    QTest::addColumn<int>("mode");
    QTest::newRow("stopped, as the music window does") << true << MMControl::ModeStop;
    QTest::newRow("while playing it plays on from the start") << false << MMControl::ModePlay;
}

void TestMMControl::prevGoesBackToTheStart()
{
    QFETCH(bool, stopFirst);
    QFETCH(int, mode);
    OpenPiece(Piece(40));
    mm->SetCommand(QStringLiteral("Play"));
    QTest::qWait(700);
    QVERIFY(mm->Position() > 400);
    if (stopFirst)
        mm->SetCommand(QStringLiteral("Stop"));
    mm->SetCommand(QStringLiteral("Prev"));
    QCOMPARE(mm->Mode(), mode);
    QVERIFY2(mm->Position() < 100, qPrintable(QString::number(mm->Position())));
    QElapsedTimer clock;
    clock.start();
    if (stopFirst) {
        QTest::qWait(200);
        QCOMPARE(mm->Position(), 0);
        clock.restart();
        mm->SetCommand(QStringLiteral("Play"));
    }
    QTest::qWait(300);
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    const int position = mm->Position();
    QVERIFY2(position > 0 && position < TicksIn(clock.elapsed()) + 100, qPrintable(QString::number(position)));
}

void TestMMControl::shortPieceEndsAndPlaysAgain()
{
    OpenPiece(Piece(1, 115)); // one wood block note
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QTRY_VERIFY_WITH_TIMEOUT(mm->Mode() != MMControl::ModePlay, 8000);
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
    // A piece that has ended starts again from the beginning.
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QTest::qWait(100);
    QVERIFY2(mm->Position() < 300, qPrintable(QString::number(mm->Position())));
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
}

void TestMMControl::waitHoldsPlayUntilTheEnd()
{
    OpenPiece(Piece(1, 115));
    mm->SetWait(true);
    QElapsedTimer clock;
    clock.start();
    mm->SetCommand(QStringLiteral("Play"));
    QVERIFY(clock.elapsed() >= 450);
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
    QVERIFY(!mm->Wait()); // it held for that one command only
}

void TestMMControl::fileThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << "absent.mid" << QByteArray();
    QTest::newRow("no name") << "" << QByteArray();
    QTest::newRow("not a MIDI file") << "text.mid" << QByteArray("Twinkle, Twinkle\r\n");
    QTest::newRow("header cut short") << "short.mid" << QByteArray("MThd\0\0", 6);
}

void TestMMControl::fileThatCannotBeOpened()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty())
        WriteBytes(name, bytes);
    mm->SetFileName(name);
    mm->SetCommand(QStringLiteral("Open"));
    QCOMPARE(mm->Error(), MMControl::ErrorCannotOpen);
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Error(), MMControl::ErrorNotOpen);
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
}

void TestMMControl::brokenPieceStopsBeingPlayed()
{
    OpenPiece(QByteArray("MThd\0\0\0\6\0\1\0\1\1\xE0MTrk\xFF\xFF\xFF\xFF garbage", 30));
    mm->SetCommand(QStringLiteral("Play"));
    QTRY_VERIFY_WITH_TIMEOUT(mm->Mode() == MMControl::ModeStop, 3000);
    mm->SetCommand(QStringLiteral("Stop"));
    mm->SetCommand(QStringLiteral("Play"));
    QTRY_VERIFY_WITH_TIMEOUT(mm->Mode() == MMControl::ModeStop, 3000);
}

void TestMMControl::closeForgetsThePiece()
{
    OpenPiece(Piece(40));
    mm->SetCommand(QStringLiteral("Play"));
    mm->SetWait(true);
    mm->SetCommand(QStringLiteral("Stop"));
    mm->SetWait(true);
    mm->SetCommand(QStringLiteral("Close"));
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    QCOMPARE(mm->Error(), MMControl::ErrorNotOpen);
    mm->SetCommand(QStringLiteral("Rewind"));
    QCOMPARE(mm->Error(), MMControl::ErrorUnknownCommand);
}

void TestMMControl::buttonsOnlyReport_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("signalIndex");
    QTest::newRow("Prev") << "Prev" << 0;
    QTest::newRow("Play") << "Play" << 1;
    QTest::newRow("Pause") << "Pause" << 2;
    QTest::newRow("Stop") << "Stop" << 3;
}

void TestMMControl::buttonsOnlyReport()
{
    QFETCH(QString, button);
    QFETCH(int, signalIndex);
    OpenPiece(Piece(40));
    QSignalSpy prev(mm.get(), &MMControl::PrevClick);
    QSignalSpy play(mm.get(), &MMControl::PlayClick);
    QSignalSpy pause(mm.get(), &MMControl::PauseClick);
    QSignalSpy stop(mm.get(), &MMControl::StopClick);
    QList<QSignalSpy*> spies{&prev, &play, &pause, &stop};
    auto* b = mm->findChild<QToolButton*>(button);
    QVERIFY(b);
    mm->show();
    QTest::mouseClick(b, Qt::LeftButton);
    for (int i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), i == signalIndex ? 1 : 0);
    // The window carries out the command itself: a press alone plays nothing.
    QCOMPARE(mm->Mode(), MMControl::ModeStop);

    // A button the window disabled does not report.
    const std::function<void(bool)> setters[] = {
        [&](bool e) { mm->SetPrevEnabled(e); }, [&](bool e) { mm->SetPlayEnabled(e); },
        [&](bool e) { mm->SetPauseEnabled(e); }, [&](bool e) { mm->SetStopEnabled(e); }};
    setters[signalIndex](false);
    const bool flags[] = {mm->PrevEnabled(), mm->PlayEnabled(), mm->PauseEnabled(), mm->StopEnabled()};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(flags[i], i != signalIndex);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(spies[signalIndex]->count(), 1);
}

QTEST_MAIN(TestMMControl)
#include "tst_MMControl_gui.moc"
