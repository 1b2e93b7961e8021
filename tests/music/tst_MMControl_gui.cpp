// The media-control player on the real synthesizer: commands, mode and position.
#include "music/MMControl.h"
#include "support/TestPlatform.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int TicksPerBeat = PieceTicksPerBeat; // at 120 beats a minute: 0.96 ticks a millisecond

int TicksIn(qint64 milliseconds)
{
    return static_cast<int>(milliseconds * TicksPerBeat / 500);
}
} // namespace

class TestMMControl : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void playReturnsAtOnceAndPlays();
    void stopKeepsPositionAndPlayResumes();
    void prevGoesBackToTheStart();
    void shortPieceEndsAndPlaysAgain();
    void commandsWithoutAPieceReportNothing();
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
    OpenPiece(MidiPiece(40)); // 20 seconds
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
    OpenPiece(MidiPiece(40));
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

void TestMMControl::prevGoesBackToTheStart()
{
    OpenPiece(MidiPiece(40));
    mm->SetCommand(QStringLiteral("Play"));
    QTest::qWait(700);
    QVERIFY(mm->Position() > 400);
    mm->SetCommand(QStringLiteral("Stop"));
    mm->SetCommand(QStringLiteral("Prev"));
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
    QTest::qWait(200);
    QCOMPARE(mm->Position(), 0);
    QElapsedTimer clock;
    clock.start();
    mm->SetCommand(QStringLiteral("Play"));
    QTest::qWait(300);
    const int position = mm->Position();
    QVERIFY2(position > 0 && position < TicksIn(clock.elapsed()) + 100, qPrintable(QString::number(position)));
}

void TestMMControl::shortPieceEndsAndPlaysAgain()
{
    OpenPiece(MidiPiece(1, 115)); // one wood block note
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

void TestMMControl::commandsWithoutAPieceReportNothing()
{
    WriteBytes(QStringLiteral("text.mid"), "Twinkle, Twinkle\r\n");
    mm->SetFileName(QStringLiteral("text.mid"));
    mm->SetCommand(QStringLiteral("Open"));
    QCOMPARE(mm->Error(), MMControl::ErrorCannotOpen);
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    // A piece that was open is forgotten by "Close".
    OpenPiece(MidiPiece(40));
    mm->SetCommand(QStringLiteral("Play"));
    mm->SetCommand(QStringLiteral("Close"));
    mm->SetCommand(QStringLiteral("Play"));
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
    QCOMPARE(mm->Error(), MMControl::ErrorNotOpen);
    mm->SetCommand(QStringLiteral("Rewind"));
    QCOMPARE(mm->Error(), MMControl::ErrorUnknownCommand);
}

void TestMMControl::buttonsOnlyReport()
{
    OpenPiece(MidiPiece(40));
    mm->show();
    QSignalSpy prev(mm.get(), &MMControl::PrevClick);
    QSignalSpy play(mm.get(), &MMControl::PlayClick);
    QSignalSpy pause(mm.get(), &MMControl::PauseClick);
    QSignalSpy stop(mm.get(), &MMControl::StopClick);
    const QList<QSignalSpy*> spies{&prev, &play, &pause, &stop};
    const QStringList buttons{"Prev", "Play", "Pause", "Stop"};
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(mm->findChild<QToolButton*>(buttons[i]), Qt::LeftButton);
        for (int j = 0; j < 4; ++j)
            QCOMPARE(spies[j]->count(), j <= i ? 1 : 0);
    }
    // The window carries out the command itself: a press alone plays nothing.
    QCOMPARE(mm->Mode(), MMControl::ModeStop);
    // A button the window disabled does not report.
    mm->SetPrevEnabled(false);
    mm->SetPlayEnabled(false);
    mm->SetPauseEnabled(false);
    mm->SetStopEnabled(false);
    QVERIFY(!mm->PrevEnabled() && !mm->PlayEnabled() && !mm->PauseEnabled() && !mm->StopEnabled());
    for (const QString& button : buttons)
        QTest::mouseClick(mm->findChild<QToolButton*>(button), Qt::LeftButton);
    for (QSignalSpy* spy : spies)
        QCOMPARE(spy->count(), 1);
}

QTEST_MAIN(TestMMControl)
#include "tst_MMControl_gui.moc"
