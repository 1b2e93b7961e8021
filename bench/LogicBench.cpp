// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Per-call times of the rules the drill and the score window run: the next problem, the
// unpacking of one record, and the scans of a whole score history. Besides Google
// Benchmark's own table, prints one "RESULT logic NAME NS" line per benchmark: the
// median time per call, or per record for the history scans.

#include "core/logic/PracticeRecord.h"
#include "practice/logic/DrillBars.h"
#include "practice/logic/NextProblem.h"
#include "scores/logic/Chart.h"
#include "scores/logic/Evaluation.h"
#include "support/BenchData.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

void NextProblemBench(benchmark::State& st)
{
    PracticeFields s;
    s.PracticeOp = 2;
    s.TableNum = static_cast<Int16>(st.range(0));
    s.PracticeMinutes = 2;
    RandomPlatform platform;
    ProblemState p;
    for (auto _ : st) {
        NextProblem(p, s, platform);
        benchmark::DoNotOptimize(p.Answer);
    }
}
// All tables, Just 3, Up to 10.
BENCHMARK(NextProblemBench)->Name("NextProblem")->ArgName("table")->Arg(0)->Arg(-3)->Arg(10);

// In the second half of a drill a missed fact comes back: one is missed before each problem.
void NextProblemReviewBench(benchmark::State& st)
{
    PracticeFields s;
    s.PracticeOp = 2;
    s.TableNum = 0;
    s.PracticeMinutes = 2;
    RandomPlatform platform;
    ProblemState p;
    p.ReviewMode = 1;
    for (auto _ : st) {
        p.MissedFacts.append(FactKey(p.TableValue % 10 + 1, p.PartnerValue % 10 + 1));
        NextProblem(p, s, platform);
        benchmark::DoNotOptimize(p.Answer);
    }
}
BENCHMARK(NextProblemReviewBench)->Name("NextProblem/review");

void UnpackPracticeBench(benchmark::State& st)
{
    PracticeFields s;
    const QString record = QStringLiteral("2H2200611121530012014");
    for (auto _ : st) {
        UnpackPractice(s, record);
        benchmark::DoNotOptimize(s.AttemptCount);
    }
}
BENCHMARK(UnpackPracticeBench)->Name("UnpackPractice");

// A history file of range(0) records in a temporary folder, made once per size.
class History {
public:
    explicit History(int records)
        : path_(dir_.filePath(QStringLiteral("AAB.scr")))
    {
        QFile f(path_);
        if (f.open(QIODevice::WriteOnly))
            f.write(MakeHistory(records));
    }
    const QString& Path() const { return path_; }
    QStringList Records() const { return ReadScoreHistory(path_).value_or(QStringList()); }

private:
    QTemporaryDir dir_;
    QString path_;
};

void PerRecord(benchmark::State& st)
{
    st.counters["per_record"] =
        benchmark::Counter(static_cast<double>(st.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

QStringList ChartedSet(const QStringList& history)
{
    const QString key = DefinitionKey(PracticeFields{ChartedOp, ChartedTable, ChartedMinutes, 0, 0});
    QStringList set;
    for (const QString& record : history)
        if (DefinitionKey(record) == key)
            set << record;
    return set;
}

void ReadScoreHistoryBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    for (auto _ : st)
        benchmark::DoNotOptimize(ReadScoreHistory(h.Path()));
    PerRecord(st);
}

// The drill's goal: the best of the set among the whole history.
void FindGoalBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    const std::optional<QStringList> history = h.Records();
    RandomPlatform platform;
    const PlayerSettings player;
    const ProgramSettings program;
    const PracticeFields practice{ChartedOp, ChartedTable, ChartedMinutes, 0, 0};
    for (auto _ : st)
        benchmark::DoNotOptimize(FindGoal(player, program, practice, platform, history));
    PerRecord(st);
}

// What the score window computes for the chart of a set: the set picked out of the
// history, its peak, its count of practices at 90%, and the bars.
void ChartSetBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    const QStringList history = h.Records();
    for (auto _ : st) {
        const QStringList set = ChartedSet(history);
        const double peak = FindPeak(set, false, 0);
        benchmark::DoNotOptimize(CountNinety(set));
        benchmark::DoNotOptimize(LayOutChart(set, peak, 8640, 0));
    }
    PerRecord(st);
}

void FindPeakBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    const QStringList set = ChartedSet(h.Records());
    for (auto _ : st)
        benchmark::DoNotOptimize(FindPeak(set, false, 0));
    PerRecord(st);
}

void CountNinetyBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    const QStringList set = ChartedSet(h.Records());
    for (auto _ : st)
        benchmark::DoNotOptimize(CountNinety(set));
    PerRecord(st);
}

// The whole history scan of opening the score window: the file read twice (for its lists
// and for its chart), every record unpacked for the lists, and the chart of the set.
void ScoreWindowScanBench(benchmark::State& st)
{
    const History h(static_cast<int>(st.range(0)));
    PracticeFields s;
    for (auto _ : st) {
        for (const QString& record : ReadScoreHistory(h.Path()).value_or(QStringList()))
            UnpackPractice(s, record);
        const QStringList set = ChartedSet(ReadScoreHistory(h.Path()).value_or(QStringList()));
        const double peak = FindPeak(set, false, 0);
        benchmark::DoNotOptimize(CountNinety(set));
        benchmark::DoNotOptimize(LayOutChart(set, peak, 8640, 0));
    }
    PerRecord(st);
}

#define HISTORY_SIZES RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)
BENCHMARK(ReadScoreHistoryBench)->Name("ReadScoreHistory")->HISTORY_SIZES;
BENCHMARK(FindGoalBench)->Name("FindGoal")->HISTORY_SIZES;
BENCHMARK(FindPeakBench)->Name("FindPeak")->HISTORY_SIZES;
BENCHMARK(CountNinetyBench)->Name("CountNinety")->HISTORY_SIZES;
BENCHMARK(ChartSetBench)->Name("ChartSet")->HISTORY_SIZES;
BENCHMARK(ScoreWindowScanBench)->Name("ScoreWindowScan")->HISTORY_SIZES;

// Google Benchmark's console table, and the medians in lines a script can read.
class ResultReporter : public benchmark::ConsoleReporter {
public:
    // Without colours: their escapes would stick to the lines a script reads.
    ResultReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single)
                continue;
            const std::string name = run.run_name.str();
            const auto perRecord = run.counters.find("per_record");
            results_[name] = perRecord != run.counters.end()
                ? perRecord->second.value * 1e9
                : run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        }
    }
    void PrintResults() const
    {
        for (const auto& [name, ns] : results_)
            std::printf("RESULT logic %s %.1f\n", name.c_str(), ns);
    }

private:
    std::map<std::string, double> results_;
};

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ResultReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintResults();
    benchmark::Shutdown();
    return 0;
}
