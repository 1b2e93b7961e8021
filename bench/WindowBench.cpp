// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The windows' own times, measured inside the program's code with a fresh state and
// test platform: opening and painting the score window over histories of growing
// length, the Progress window over facts files of growing length, its All children table over 40 children's files of growing length,
// and the drill's answer
// to the next problem painted (the big drill, with the sign of a right answer and the answer
// notes through the synthesizer). Prints one "RESULT windows KEY VALUE" line per number;
// milliseconds throughout. With --enter, only the drill's row.

#include "audio/MidiSynth.h"
#include "practice/Practice.h"
#include "core/logic/FactsFile.h"
#include "core/logic/PlayerFiles.h"
#include "scores/Progress.h"
#include "scores/ShowScores.h"
#include "support/BenchData.h"
#include "support/GuiSupport.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QTabBar>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * v.size()))];
}

void Result(const char* key, double value)
{
    std::printf("RESULT windows %s %.2f\n", key, value);
    std::fflush(stdout);
}

// Per size: the median wall time and the least processor time of the timed rounds (the least
// disturbed round shows best how the work grows with the size).
void SizeResults(const QString& name, const std::vector<int>& sizes, const std::vector<std::vector<double>>& wall,
                 const std::vector<std::vector<double>>& cpu)
{
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        Result(qPrintable(QStringLiteral("%1_%2").arg(name).arg(sizes[k])), Median(wall[k]));
        Result(qPrintable(QStringLiteral("%1_cpu_%2").arg(name).arg(sizes[k])),
               *std::min_element(cpu[k].begin(), cpu[k].end()));
    }
}

void Discard(Form* w)
{
    w->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Ann chosen, her problems in the first format; her history is "AAB.scr".
void ChartedPlayer(GuiFixture& fx, std::unique_ptr<TestPlatform> platform = nullptr)
{
    fx.Reset(std::move(platform));
    fx.ChooseAnn([](PlayerSettings& s) { s.ProblemFormat = 1; });
}

// The definition of the charted set, as the definition window hands it on.
PracticeFields ChartedSet()
{
    PracticeFields set;
    set.PracticeOp = ChartedOp;
    set.TableNum = ChartedTable;
    set.PracticeMinutes = ChartedMinutes;
    return set;
}

// Processor time of this thread, in ms: unlike the clock on the wall, it does not count
// the time other processes of a busy machine take.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Opening {
    double ms;    // on the wall
    double cpuMs; // of processor time
};

// From the window's creation (it reads the history as it loads) to every control of it
// painted. grab() paints the window and its controls as the screen would get them.
Opening OpenScoreWindow(GuiFixture& fx)
{
    QElapsedTimer clock;
    const double cpu0 = ThreadCpuMs();
    clock.start();
    // The window charts the set it is handed: the charted one.
    ShowScores* w = fx.Make<ShowScores>(fx.program().Settings(), fx.player(), ChartedSet());
    w->show();
    const QPixmap painted = w->grab();
    const Opening o{clock.nsecsElapsed() / 1e6, ThreadCpuMs() - cpu0};
    if (painted.isNull() || FindForm<ShowScores>() != w)
        qFatal("the score window did not open");
    Discard(w);
    return o;
}

void ScoreWindow(GuiFixture& fx)
{
    // The sizes take turns, so a burst of work elsewhere on the machine falls on all alike.
    const std::vector<int> sizes{1000, 10000, 50000, 100000};
    ChartedPlayer(fx);
    std::vector<QByteArray> histories;
    for (int records : sizes)
        histories.push_back(MakeHistory(records));
    std::vector<std::vector<double>> wall(sizes.size());
    std::vector<std::vector<double>> cpu(sizes.size());
    for (int round = 0; round < 10; ++round) {
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            WriteBytes(QStringLiteral("AAB.scr"), histories[k]);
            const Opening o = OpenScoreWindow(fx);
            if (round == 0)
                continue; // warms the caches, as a second opening would find them
            wall[k].push_back(o.ms);
            cpu[k].push_back(o.cpuMs);
        }
    }
    SizeResults(QStringLiteral("scores"), sizes, wall, cpu);
}

// A facts file of so many answered problems, as drills write them: every operation, every
// fact, one answer in five missed, times from 0.5 to 6 s, one drill a day.
QByteArray MakeFacts(int lines)
{
    QByteArray bytes;
    std::mt19937 engine(20261207);
    const QDateTime start(QDate(2020, 1, 1), QTime(15, 0));
    for (int i = 0; i < lines; ++i) {
        const int op = static_cast<int>(engine() % 4), t = 1 + static_cast<int>(engine() % 10),
                  p = 1 + static_cast<int>(engine() % 10);
        const Int16 first = static_cast<Int16>(op == 1 ? t + p : (op == 3 ? t * p : t));
        const Int16 second = static_cast<Int16>(op == 0 || op == 2 ? p : t);
        const FactAnswer a{static_cast<Int16>(op), first, second, engine() % 5 != 0,
                           static_cast<Int16>(5 + engine() % 56), start.addSecs(i / 40 * 86400 + i % 40 * 6), false, std::nullopt};
        bytes += FactLine(a).toLatin1() + "\r\n";
    }
    return bytes;
}

// From the Progress window's creation (it reads the facts file and every child's files as it
// loads) to every control of it painted; 10,000 and 100,000 answered problems, in turns.
void ProgressWindow(GuiFixture& fx)
{
    const std::vector<int> sizes{10000, 100000};
    ChartedPlayer(fx);
    LoadPlayerList(fx.parts->roster);
    WriteBytes(fx.player().Chosen().ScoreFilePath, MakeHistory(1000));
    std::vector<QByteArray> files;
    for (int lines : sizes)
        files.push_back(MakeFacts(lines));
    std::vector<std::vector<double>> wall(sizes.size()), cpu(sizes.size());
    for (int round = 0; round < 10; ++round) {
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            WriteBytes(QStringLiteral("AAB.fct"), files[k]);
            QElapsedTimer clock;
            const double cpu0 = ThreadCpuMs();
            clock.start();
            Progress* w = fx.Make<Progress>(fx.parts->roster, fx.player());
            w->show();
            const QPixmap painted = w->grab();
            const double ms = clock.nsecsElapsed() / 1e6, cpuMs = ThreadCpuMs() - cpu0;
            if (painted.isNull() || w->History().Counts(0).NotYetAsked == FactsPerOperation)
                qFatal("the Progress window did not open on the facts");
            Discard(w);
            if (round == 0)
                continue;
            wall[k].push_back(ms);
            cpu[k].push_back(cpuMs);
        }
    }
    SizeResults(QStringLiteral("progress"), sizes, wall, cpu);
}

// The key of the child in row i (0-39) of the class: ABA, ABB, ...
QString ChildKey(int i)
{
    return QStringLiteral("A%1%2").arg(QChar('B' + i / 26)).arg(QChar('A' + i % 26));
}

// From the click on All children (it reads every child's files then) to the table painted:
// 40 children of 1,000, 10,000 and 100,000 answered problems each, in turns.
void ClassTableOpening(GuiFixture& fx)
{
    const std::vector<int> sizes{1000, 10000, 100000};
    ChartedPlayer(fx);
    QByteArray players = QByteArray::number(MaxPlayers) + "\r\n";
    for (int i = 0; i < MaxPlayers; ++i) {
        const QString key = ChildKey(i);
        players += "\"Child " + QByteArray::number(i + 1) + "\"\r\n\"" + key.toLatin1() + "  \"\r\n";
        // A grade and a level, and a history of a practice an hour.
        WriteBytes(key + ".cfg", "\"" + QByteArray::number(2 + i % 3) + "\"\r\n\"\"\r\n1\r\n\"2F1200603151405000000\"\r\n");
        WriteBytes(key + ".scr", MakeHistory(1000));
    }
    WriteBytes(QStringLiteral("Players"), players);
    LoadPlayerList(fx.parts->roster);
    std::vector<QByteArray> files;
    for (int lines : sizes)
        files.push_back(MakeFacts(lines));
    std::vector<std::vector<double>> wall(sizes.size()), cpu(sizes.size());
    for (int round = 0; round < 6; ++round) {
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            for (int i = 0; i < MaxPlayers; ++i)
                WriteBytes(ChildKey(i) + ".fct", files[k]);
            Progress* w = fx.Make<Progress>(fx.parts->roster, fx.player());
            w->show();
            auto* tabs = w->findChild<QTabBar*>();
            QElapsedTimer clock;
            const double cpu0 = ThreadCpuMs();
            clock.start();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
            const QPixmap painted = w->grab();
            const double ms = clock.nsecsElapsed() / 1e6, cpuMs = ThreadCpuMs() - cpu0;
            auto* table = w->findChild<QAbstractItemView*>(QStringLiteral("ClassList"));
            if (painted.isNull() || !table || !table->isVisible() || table->model()->rowCount() != MaxPlayers)
                qFatal("the All children table did not open");
            Discard(w);
            if (round == 0)
                continue;
            wall[k].push_back(ms);
            cpu[k].push_back(cpuMs);
        }
    }
    SizeResults(QStringLiteral("class"), sizes, wall, cpu);
}

// Counts paint events of the answer box, which is emptied for every new problem.
class PaintWatch : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The program's synthesizer, noting when each note is sent to it.
class TimedSynth : public MidiDevice {
public:
    int GetDevCaps(MidiOutCaps& caps) override { return MidiSynth::Process().GetDevCaps(caps); }
    int GetVolume(std::uint32_t& volume) override { return MidiSynth::Process().GetVolume(volume); }
    int SetVolume(std::uint32_t volume) override { return MidiSynth::Process().SetVolume(volume); }
    int Open() override { return MidiSynth::Process().Open(); }
    int ShortMsg(std::uint32_t message) override
    {
        if ((message & 0xF0) == MidiNoteOn)
            noteOn.restart();
        return MidiSynth::Process().ShortMsg(message);
    }
    QElapsedTimer noteOn;
};

// Problems drawn as in the program, not from the test platform's fixed list; notes played by
// the program's synthesizer.
class SoundingPlatform : public RandomPlatform {
public:
    MidiDevice& MidiOut() override { return synth; }
    TimedSynth synth;
};

void EnterToNextProblem(GuiFixture& fx)
{
    auto made = std::make_unique<SoundingPlatform>();
    SoundingPlatform* platform = made.get();
    // Her drill is big and answers with notes; made before she is chosen, so that she reads them.
    made->EnterProgramDir();
    WriteBytes(QStringLiteral("AAB.opt"), "BigDrill=1\r\nAnswerSounds=1\r\n");
    ChartedPlayer(fx, std::move(made));
    // A history, so the correct bar grows towards a goal with every right answer.
    WriteBytes(QStringLiteral("AAB.scr"), MakeHistory(1000));

    Practice* w = fx.Make<Practice>(fx.program().Settings(), fx.player(), ChartedSet());
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qFatal("the drill window was not shown");
    w->Activate();
    QTest::qWait(300); // the window manager's activation comes and goes
    auto* box = Child<QLineEdit>(w, "Text1");
    PaintWatch watch;
    box->installEventFilter(&watch);

    std::vector<double> times, notes;
    for (int i = 0; i < 300; ++i) {
        QCoreApplication::processEvents();
        box->setText(QString::number(w->Problem().Answer)); // typed before the clock starts
        QCoreApplication::processEvents();
        const int before = watch.paints;
        QElapsedTimer clock;
        clock.start();
        platform->synth.noteOn.invalidate();
        QTest::keyClick(box, Qt::Key_Return);
        // Sent to the synthesizer in the key's own handling, before anything is painted.
        notes.push_back(platform->synth.noteOn.isValid() ? (clock.nsecsElapsed() - platform->synth.noteOn.nsecsElapsed()) / 1e6 : 1000);
        // The problem is painted once the event loop has repainted what changed.
        while (watch.paints == before && clock.elapsed() < 1000)
            QCoreApplication::processEvents();
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (watch.paints == before || w->Tally().CorrectCount != i + 1 || w->Goal() == 0 || !w->BigDrill())
            qFatal("the answer was not taken, or the next problem was not painted");
    }
    Result("enter_median", Median(times));
    Result("enter_p95", Percentile(times, 0.95));
    Result("enter_max", *std::max_element(times.begin(), times.end()));
    Result("note_max", *std::max_element(notes.begin(), notes.end()));
    Discard(w);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    GuiFixture fx;
    // "--enter": the drill's row alone.
    if (QCoreApplication::arguments().value(1) != QLatin1String("--enter")) {
        ScoreWindow(fx);
        ProgressWindow(fx);
        ClassTableOpening(fx);
    }
    EnterToNextProblem(fx);
    return 0;
}
