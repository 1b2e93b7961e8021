// The music break on the real synthesizer: the list and its titles, the random piece on
// activation, the buttons in each state, the end-of-piece watch, the volume bar, Exit,
// an empty folder, and the two ways the background window opens it.
#include "core/WindowUtils.h"
#include "mainwin/BackForm.h"
#include "mainwin/M_Boxx.h"
#include "music/MMControl.h"
#include "music/Music.h"
#include "music/logic/MidiFileWriter.h"
#include "music/logic/MusicPieces.h"
#include "support/GuiSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int TicksPerBeat = 480;

// A piece of `beats` notes at 120 beats a minute (half a second each).
QByteArray Piece(int beats)
{
    MidiFileWriter w(TicksPerBeat);
    const int t = w.AddTrack();
    w.Tempo(t, 0, 120);
    w.Program(t, 0, 0, beats == 1 ? 115 : 0);
    for (int i = 0; i < beats; ++i)
        w.Note(t, i * TicksPerBeat, TicksPerBeat - 40, 0, 60 + i % 12, 90);
    return w.Bytes();
}

const QByteArray DrumText = QByteArray("Drum roll! ").repeated(11); // 121 bytes, no line break

// Three long pieces: one with a title and a description, one without a companion, one
// whose companion has no carriage return in its first 100 bytes.
void WritePieces()
{
    const QByteArray piece = Piece(40);
    WriteBytes(QStringLiteral("brook.mid"), piece);
    WriteBytes(QStringLiteral("brook.txt"), "The Brook\r\nA tune about water.\r\n");
    WriteBytes(QStringLiteral("clock.mid"), piece);
    WriteBytes(QStringLiteral("drum.mid"), piece);
    WriteBytes(QStringLiteral("drum.txt"), DrumText);
}

QList<bool> Buttons(MMControl* mm)
{
    return {mm->PrevEnabled(), mm->PlayEnabled(), mm->PauseEnabled(), mm->StopEnabled()};
}

const QList<bool> Playing{true, false, true, true};
const QList<bool> Paused{true, true, false, true};
const QList<bool> Stopped{false, true, false, false};
} // namespace

class TestMusic : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listShowsTitles();
    void openingPlaysARandomPiece_data();
    void openingPlaysARandomPiece();
    void buttons_data();
    void buttons();
    void pauseOutlastsTicks();
    void endedPieceIsRewound();
    void reactivation_data();
    void reactivation();
    void listChoicePlaysThatPiece();
    void exitStopsAndCloses();
    void noPieces();
    void volumeBar_data();
    void volumeBar();
    void refusedVolumeHidesTheBar();
    void openedFromTheBackground_data();
    void openedFromTheBackground();

private:
    Music* Open();
    MMControl* MM(Music* w) { return Child<MMControl>(w, "MM"); }
    void Press(Music* w, const char* button) { QTest::mouseClick(Child<QToolButton>(MM(w), button), Qt::LeftButton); }
    GuiFixture fx;
};

void TestMusic::init()
{
    fx.Reset();
}

Music* TestMusic::Open()
{
    Music* w = Forms::Load<Music>();
    w->show();
    if (!QTest::qWaitForWindowActive(w))
        w->Activate();
    QCoreApplication::processEvents();
    return w;
}

void TestMusic::listShowsTitles()
{
    WritePieces();
    Music* w = Open();
    auto* combo = Child<QComboBox>(w, "Combo1");
    QCOMPARE(w->MusicCount(), 3);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("The Brook"));
    QCOMPARE(combo->itemText(1), QStringLiteral("clock.mid"));
    QCOMPARE(combo->itemText(2), QString::fromLatin1(DrumText.left(100)));
    w->Unload();
}

void TestMusic::openingPlaysARandomPiece_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("info");
    QTest::newRow("with a description") << 0.0 << 0 << "brook.mid" << "A tune about water.\r\n";
    QTest::newRow("without a companion") << 0.5 << 1 << "clock.mid" << NoInformation;
    QTest::newRow("companion without a line break") << 0.9 << 2 << "drum.mid" << QString::fromLatin1(DrumText);
}

void TestMusic::openingPlaysARandomPiece()
{
    QFETCH(double, r);
    QFETCH(int, index);
    QFETCH(QString, file);
    QFETCH(QString, info);
    WritePieces();
    fx.platform->randoms = {r};
    Music* w = Open();
    QCOMPARE(fx.platform->nextRandom, std::size_t(1));
    QCOMPARE(Child<QComboBox>(w, "Combo1")->currentIndex(), index);
    QCOMPARE(MM(w)->FileName(), file);
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    QCOMPARE(Buttons(MM(w)), Playing);
    QCOMPARE(Child<QLabel>(w, "Label2")->text(), info);
    w->Unload();
}

void TestMusic::buttons_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("place"); // "start", "kept" (on from the first 400 ms) or "restarted"
    QTest::addColumn<bool>("paused");
    QTest::newRow("playing") << QStringList() << Playing << MMControl::ModePlay << "kept" << false;
    QTest::newRow("Pause keeps the place") << QStringList{"Pause"} << Paused << MMControl::ModeStop << "kept" << true;
    QTest::newRow("Stop rewinds") << QStringList{"Stop"} << Stopped << MMControl::ModeStop << "start" << false;
    QTest::newRow("Prev rewinds and stops") << QStringList{"Prev"} << Stopped << MMControl::ModeStop << "start" << false;
    QTest::newRow("Play after Pause") << QStringList{"Pause", "Play"} << Playing << MMControl::ModePlay << "kept" << false;
    QTest::newRow("Stop while paused") << QStringList{"Pause", "Stop"} << Stopped << MMControl::ModeStop << "start" << false;
    QTest::newRow("Play after Stop") << QStringList{"Stop", "Play"} << Playing << MMControl::ModePlay << "restarted" << false;
}

void TestMusic::buttons()
{
    QFETCH(QStringList, presses);
    QFETCH(QList<bool>, enabled);
    QFETCH(int, mode);
    QFETCH(QString, place);
    QFETCH(bool, paused);
    WritePieces();
    Music* w = Open();
    QTest::qWait(400);
    for (const QString& b : presses)
        Press(w, b.toLatin1().constData());
    QCOMPARE(Buttons(MM(w)), enabled);
    QCOMPARE(MM(w)->Mode(), mode);
    QCOMPARE(w->IsPaused(), paused);
    const int position = MM(w)->Position();
    if (place == "start")
        QCOMPARE(position, 0);
    else if (place == "kept")
        QVERIFY2(position > TicksPerBeat / 4, qPrintable(QString::number(position)));
    else
        QVERIFY2(position < TicksPerBeat / 4, qPrintable(QString::number(position)));
    w->Unload();
}

void TestMusic::pauseOutlastsTicks()
{
    WritePieces();
    Music* w = Open();
    QTest::qWait(600);
    Press(w, "Pause");
    const int pausedAt = MM(w)->Position();
    QVERIFY(pausedAt > TicksPerBeat / 2);
    for (int i = 0; i < 3; ++i)
        w->Timer2Tick();
    QTest::qWait(1100); // and the real watch ticks too
    QCOMPARE(MM(w)->Position(), pausedAt);
    QCOMPARE(Buttons(MM(w)), Paused);
    Press(w, "Play");
    QTest::qWait(100);
    QVERIFY2(MM(w)->Position() > pausedAt, qPrintable(QString::number(MM(w)->Position())));
    QCOMPARE(Buttons(MM(w)), Playing);
    w->Unload();
}

void TestMusic::endedPieceIsRewound()
{
    WriteBytes(QStringLiteral("knock.mid"), Piece(1));
    fx.platform->randoms = {0.0};
    Music* w = Open();
    Child<QTimer>(w, "Timer2")->stop(); // the test ticks it
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    w->Timer2Tick();
    QCOMPARE(Buttons(MM(w)), Playing); // a playing piece is left alone
    QTRY_VERIFY_WITH_TIMEOUT(MM(w)->Mode() != MMControl::ModePlay, 8000);
    QVERIFY(MM(w)->Position() > 0);
    QCOMPARE(Buttons(MM(w)), Playing);
    w->Timer2Tick();
    QCOMPARE(MM(w)->Position(), 0);
    QCOMPARE(Buttons(MM(w)), Stopped);
    // No piece follows by itself.
    w->Timer2Tick();
    QCOMPARE(MM(w)->Mode(), MMControl::ModeStop);
    QCOMPARE(fx.platform->nextRandom, std::size_t(1));
    w->Unload();
}

void TestMusic::reactivation_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("file");
    QTest::addColumn<std::size_t>("draws");
    QTest::newRow("while paused: another random piece") << "Pause" << "drum.mid" << std::size_t(2);
    QTest::newRow("while stopped: another random piece") << "Stop" << "drum.mid" << std::size_t(2);
    QTest::newRow("while playing: it plays on") << "" << "brook.mid" << std::size_t(1);
}

void TestMusic::reactivation()
{
    QFETCH(QString, press);
    QFETCH(QString, file);
    QFETCH(std::size_t, draws);
    WritePieces();
    fx.platform->randoms = {0.1, 0.8};
    Music* w = Open();
    QCOMPARE(MM(w)->FileName(), QStringLiteral("brook.mid"));
    QTest::qWait(400);
    if (!press.isEmpty())
        Press(w, press.toLatin1().constData());
    const int before = MM(w)->Position();
    w->Activate();
    QCOMPARE(fx.platform->nextRandom, draws);
    QCOMPARE(MM(w)->FileName(), file);
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    QCOMPARE(Buttons(MM(w)), Playing);
    QCOMPARE(w->IsPaused(), false);
    QCOMPARE(Child<QComboBox>(w, "Combo1")->currentText(),
             file == "drum.mid" ? QString::fromLatin1(DrumText.left(100)) : QStringLiteral("The Brook"));
    if (press.isEmpty())
        QVERIFY(MM(w)->Position() >= before); // not restarted
    else
        QVERIFY(MM(w)->Position() < TicksPerBeat / 2);
    w->Unload();
}

void TestMusic::listChoicePlaysThatPiece()
{
    WritePieces();
    fx.platform->randoms = {0.0};
    Music* w = Open();
    auto* combo = Child<QComboBox>(w, "Combo1");
    Press(w, "Pause");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(MM(w)->FileName(), QStringLiteral("clock.mid"));
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    QCOMPARE(Buttons(MM(w)), Playing);
    QCOMPARE(w->IsPaused(), false);
    QCOMPARE(Child<QLabel>(w, "Label2")->text(), NoInformation);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(MM(w)->FileName(), QStringLiteral("brook.mid"));
    QCOMPARE(Child<QLabel>(w, "Label2")->text(), QStringLiteral("A tune about water.\r\n"));
    QCOMPARE(fx.platform->nextRandom, std::size_t(1));
    w->Unload();
}

void TestMusic::exitStopsAndCloses()
{
    WritePieces();
    Music* w = Open();
    QPointer<MMControl> mm = MM(w);
    QCOMPARE(mm->Mode(), MMControl::ModePlay);
    QTest::mouseClick(Child<QPushButton>(w, "Command1"), Qt::LeftButton);
    QVERIFY(Forms::Find<Music>() == nullptr);
    QVERIFY(mm);
    QCOMPARE(mm->Mode(), MMControl::ModeNotOpen);
}

void TestMusic::noPieces()
{
    WriteBytes(QStringLiteral("readme.txt"), "No tunes here\r\n");
    QString message;
    Script s;
    AnswerMessage(s, message);
    ShowAndWait<Music>();
    QCOMPARE(message, QStringLiteral("Sorry, but there are no music files."));
    QVERIFY(Forms::Find<Music>() == nullptr);
}

void TestMusic::volumeBar_data()
{
    QTest::addColumn<int>("support");
    QTest::addColumn<uint>("volume");
    QTest::addColumn<int>("getResult");
    QTest::addColumn<int>("position"); // -1: hidden
    QTest::newRow("no support") << 0 << 0xFFFFFFFFu << MidiNoError << -1;
    QTest::newRow("support but the volume cannot be read") << 1 << 0xFFFFFFFFu << MidiNotSupported << -1;
    QTest::newRow("full volume at the top") << 1 << 0xFFFFFFFFu << MidiNoError << 0;
    QTest::newRow("half volume halfway") << 1 << 0x7FFF8000u << MidiNoError << 8;
    QTest::newRow("silence at the bottom") << 1 << 0u << MidiNoError << 16;
}

void TestMusic::volumeBar()
{
    QFETCH(int, support);
    QFETCH(uint, volume);
    QFETCH(int, getResult);
    QFETCH(int, position);
    WritePieces();
    fx.state.MidiVolumeSupport = static_cast<Int16>(support);
    fx.platform->midi.volume = volume;
    fx.platform->midi.getResult = getResult;
    Music* w = Open();
    auto* bar = Child<QScrollBar>(w, "VScroll1");
    QCOMPARE(bar->isVisibleTo(w), position >= 0);
    QCOMPARE(Child<QLabel>(w, "Label3")->isVisibleTo(w), position >= 0);
    QVERIFY(fx.platform->midi.sent.empty()); // showing the bar sends nothing
    if (position < 0)
        return w->Unload();
    QCOMPARE(bar->value(), position);
    bar->setValue(position == 16 ? 15 : 16);
    bar->setValue(0);
    const std::vector<std::uint32_t> sent{position == 16 ? 0x0FFF1000u : 0u, 0xFFFEFFFFu};
    QCOMPARE(fx.platform->midi.sent, sent);
    w->Unload();
}

void TestMusic::refusedVolumeHidesTheBar()
{
    WritePieces();
    fx.state.MidiVolumeSupport = 1;
    fx.platform->midi.setResult = MidiNotSupported;
    Music* w = Open();
    auto* bar = Child<QScrollBar>(w, "VScroll1");
    QVERIFY(bar->isVisibleTo(w));
    QString message;
    Script s;
    AnswerMessage(s, message);
    bar->setValue(4);
    QCOMPARE(message, QStringLiteral("I'm sorry but your system doesn't support this function"));
    QVERIFY(!bar->isVisibleTo(w));
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay); // the music goes on
    w->Unload();
}

void TestMusic::openedFromTheBackground_data()
{
    QTest::addColumn<bool>("picture");
    QTest::newRow("Music Break in the menu") << false;
    QTest::newRow("a click on the picture") << true;
}

void TestMusic::openedFromTheBackground()
{
    QFETCH(bool, picture);
    WritePieces();
    BackForm* back = Forms::Load<BackForm>();
    back->show();
    auto* image = Child<QWidget>(back, "Image1");
    QVERIFY(image->isVisibleTo(back));
    int mode = 0;
    QStringList titles;
    bool imageShown = true;
    Script s;
    s.On<Music>([&](Music* m) {
        (void)QTest::qWaitFor([&] { return MM(m)->Mode() == MMControl::ModePlay; }, 3000);
        mode = MM(m)->Mode();
        auto* combo = Child<QComboBox>(m, "Combo1");
        for (int i = 0; i < combo->count(); ++i)
            titles << combo->itemText(i);
        imageShown = image->isVisibleTo(back);
        QTest::mouseClick(Child<QPushButton>(m, "Command1"), Qt::LeftButton);
    });
    if (picture)
        QTest::mouseClick(image, Qt::LeftButton);
    else
        back->findChild<QAction*>(QStringLiteral("MusicBreak"))->trigger();
    QCOMPARE(s.Remaining(), 0);
    QCOMPARE(mode, MMControl::ModePlay);
    QCOMPARE(titles.first(), QStringLiteral("The Brook"));
    QVERIFY(!imageShown);
    QVERIFY(!image->isVisibleTo(back)); // for the rest of the run
    QVERIFY(Forms::Find<Music>() == nullptr);
}

QTEST_MAIN(TestMusic)
#include "tst_Music_gui.moc"
