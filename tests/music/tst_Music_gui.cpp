// The music break on the real synthesizer: the list and its titles, the random piece on
// activation, the buttons in each state, the volume bar, Exit, an empty folder, and the
// two ways the background window opens it.
#include "core/WindowUtils.h"
#include "mainwin/BackForm.h"
#include "music/MMControl.h"
#include "music/Music.h"
#include "music/logic/MusicPieces.h"
#include "support/GuiSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int TicksPerBeat = PieceTicksPerBeat;

const QByteArray DrumText = QByteArray("Drum roll! ").repeated(11); // 121 bytes, no line break

// Three long pieces: one with a title and a description, one without a companion, one
// whose companion has no carriage return in its first 100 bytes.
void WritePieces()
{
    const QByteArray piece = MidiPiece(40);
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
    void openingPlaysARandomPiece_data();
    void openingPlaysARandomPiece();
    void buttons_data();
    void buttons();
    void reactivation_data();
    void reactivation();
    void exitStopsAndCloses();
    void noPieces();
    void volumeBar_data();
    void volumeBar();
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

void TestMusic::openingPlaysARandomPiece_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("info");
    QTest::newRow("with a description") << 0.0 << 0 << "brook.mid" << "The Brook" << "A tune about water.\r\n";
    QTest::newRow("without a companion") << 0.5 << 1 << "clock.mid" << "clock.mid" << NoInformation;
    QTest::newRow("companion without a carriage return")
        << 0.9 << 2 << "drum.mid" << QString::fromLatin1(DrumText.left(100)) << QString::fromLatin1(DrumText);
}

void TestMusic::openingPlaysARandomPiece()
{
    QFETCH(double, r);
    QFETCH(int, index);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QString, info);
    WritePieces();
    fx.platform->randoms = {r};
    Music* w = Open();
    QCOMPARE(fx.platform->nextRandom, std::size_t(1));
    QCOMPARE(Child<QComboBox>(w, "Combo1")->count(), 3);
    QCOMPARE(Child<QComboBox>(w, "Combo1")->currentIndex(), index);
    QCOMPARE(Child<QComboBox>(w, "Combo1")->currentText(), title);
    QCOMPARE(MM(w)->FileName(), file);
    QCOMPARE(MM(w)->Mode(), MMControl::ModePlay);
    QCOMPARE(Buttons(MM(w)), Playing);
    QCOMPARE(Child<QLabel>(w, "Label2")->text(), info);
}

void TestMusic::buttons_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QList<bool>>("enabled");
    QTest::addColumn<bool>("paused"); // the place kept; otherwise back at the start
    QTest::newRow("Pause keeps the place") << QStringList{"Pause"} << Paused << true;
    QTest::newRow("Stop rewinds") << QStringList{"Stop"} << Stopped << false;
    QTest::newRow("Prev rewinds and stops") << QStringList{"Prev"} << Stopped << false;
    QTest::newRow("Stop while paused") << QStringList{"Pause", "Stop"} << Stopped << false;
}

void TestMusic::buttons()
{
    QFETCH(QStringList, presses);
    QFETCH(QList<bool>, enabled);
    QFETCH(bool, paused);
    WritePieces();
    Music* w = Open();
    QTest::qWait(400);
    for (const QString& b : presses)
        Press(w, b.toLatin1().constData());
    const int position = MM(w)->Position();
    QVERIFY2(paused ? position > TicksPerBeat / 4 : position == 0, qPrintable(QString::number(position)));
    // The end-of-piece watch ticks, and so does the real one: nothing moves.
    for (int i = 0; i < 3; ++i)
        w->Timer2Tick();
    QTest::qWait(1100);
    QCOMPARE(MM(w)->Position(), position);
    QCOMPARE(MM(w)->Mode(), MMControl::ModeStop);
    QCOMPARE(Buttons(MM(w)), enabled);
    QCOMPARE(w->IsPaused(), paused);
    if (!paused)
        return;
    Press(w, "Play"); // on from where it paused
    QTest::qWait(100);
    QVERIFY2(MM(w)->Position() > position, qPrintable(QString::number(MM(w)->Position())));
    QCOMPARE(Buttons(MM(w)), Playing);
}

void TestMusic::reactivation_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("file");
    QTest::addColumn<std::size_t>("draws");
    QTest::newRow("while paused: another random piece") << "Pause" << "drum.mid" << std::size_t(2);
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
    QCOMPARE(w->IsPaused(), false);
    if (press.isEmpty())
        QVERIFY(MM(w)->Position() >= before); // not restarted
    else
        QVERIFY(MM(w)->Position() < TicksPerBeat / 2);
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
    QVERIFY(fx.platform->midi.sent.empty()); // showing the bar sends nothing
    if (position < 0)
        return;
    QCOMPARE(bar->value(), position);
    bar->setValue(0);
    QCOMPARE(fx.platform->midi.sent, std::vector<std::uint32_t>{0xFFFEFFFFu});
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
    QString title;
    Script s;
    s.On<Music>([&](Music* m) {
        (void)QTest::qWaitFor([&] { return MM(m)->Mode() == MMControl::ModePlay; }, 3000);
        mode = MM(m)->Mode();
        title = Child<QComboBox>(m, "Combo1")->itemText(0);
        QTest::mouseClick(Child<QPushButton>(m, "Command1"), Qt::LeftButton);
    });
    if (picture)
        QTest::mouseClick(image, Qt::LeftButton);
    else
        back->findChild<QAction*>(QStringLiteral("MusicBreak"))->trigger();
    QCOMPARE(s.Remaining(), 0);
    QCOMPARE(mode, MMControl::ModePlay);
    QCOMPARE(title, QStringLiteral("The Brook"));
    QVERIFY(!image->isVisibleTo(back)); // for the rest of the run
    QVERIFY(Forms::Find<Music>() == nullptr);
}

QTEST_MAIN(TestMusic)
#include "tst_Music_gui.moc"
