// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/logic/Mastery.h"

#include "core/logic/Platform.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {
// Answers averaged for a fact's time: its recent ones, so a child who got quicker shows it.
constexpr int AveragedAnswers = 5;

bool Missed(const FactAnswer& a) { return !a.Right; }
} // namespace

QString MasteryText(Mastery state)
{
    switch (state) {
    case Mastery::ToPractise: return QCoreApplication::translate("Mastery", "To practise");
    case Mastery::Learning: return QCoreApplication::translate("Mastery", "Learning");
    case Mastery::Known: return QCoreApplication::translate("Mastery", "Known");
    case Mastery::NotYetAsked: break;
    }
    return QCoreApplication::translate("Mastery", "Not yet asked");
}

std::optional<Fact> FactOf(const FactAnswer& answer)
{
    const auto tp = TableAndPartner(answer.Op, answer.First, answer.Second);
    if (!tp)
        return std::nullopt;
    return Fact{answer.Op, tp->Table, tp->Partner};
}

ShownProblem ProblemOf(const Fact& fact)
{
    const int t = fact.Table, p = fact.Partner;
    switch (fact.Op) {
    case 1:
        return {static_cast<Int16>(t + p), static_cast<Int16>(t), static_cast<Int16>(p)};
    case 2:
        return {static_cast<Int16>(t), static_cast<Int16>(p), static_cast<Int16>(t * p)};
    case 3:
        return {static_cast<Int16>(t * p), static_cast<Int16>(t), static_cast<Int16>(p)};
    default:
        return {static_cast<Int16>(t), static_cast<Int16>(p), static_cast<Int16>(t + p)};
    }
}

QList<Fact> DrilledFacts(int op)
{
    QList<Fact> facts;
    facts.reserve(FactsPerOperation);
    for (int t = 1; t <= 10; ++t)
        for (int p = 1; p <= 10; ++p)
            facts << Fact{static_cast<Int16>(op), static_cast<Int16>(t), static_cast<Int16>(p)};
    return facts;
}

Mastery MasteryOf(const QList<FactAnswer>& answers)
{
    if (answers.isEmpty())
        return Mastery::NotYetAsked;
    // The latest answer decides first: a fact just missed is to be practised, one just
    // answered right is at least being learnt.
    if (Missed(answers.back()))
        return Mastery::ToPractise;
    if (answers.size() < MasteryAnswers)
        return Mastery::Learning;
    const auto last = answers.cend() - MasteryAnswers;
    const bool known = std::all_of(last, answers.cend(),
                                   [](const FactAnswer& a) { return a.Right && a.Tenths <= KnownWithinTenths; });
    return known ? Mastery::Known : Mastery::Learning;
}

FactsHistory::FactsHistory(const QList<FactAnswer>& answers)
{
    // Each list at its size at once: a long file is sorted without growing them again and again.
    std::vector<int> index;
    index.reserve(static_cast<size_t>(answers.size()));
    std::array<int, 4 * FactsPerOperation> sizes{};
    for (const FactAnswer& answer : answers) {
        const auto fact = FactOf(answer);
        index.push_back(fact ? Index(*fact) : -1);
        if (fact)
            ++sizes[static_cast<size_t>(index.back())];
    }
    for (size_t i = 0; i < sizes.size(); ++i)
        byFact_[i].reserve(sizes[i]);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (const int at = index[static_cast<size_t>(i)]; at >= 0)
            byFact_[static_cast<size_t>(at)] << answers[i];
    }
    // The latest answers of each operation, found from the end.
    for (auto a = answers.crbegin(); a != answers.crend(); ++a) {
        if (a->Op < 0 || a->Op > 3 || latest_[static_cast<size_t>(a->Op)].size() == FluencyAnswers)
            continue;
        const auto tenths = static_cast<Int16>(std::clamp<int>(a->Tenths, 1, CountedTenthsCap));
        latest_[static_cast<size_t>(a->Op)] << Timed{a->Right, tenths};
    }
}

int FactsHistory::Index(const Fact& fact)
{
    return fact.Op * FactsPerOperation + (fact.Table - 1) * 10 + (fact.Partner - 1);
}

Mastery FactsHistory::State(const Fact& fact) const
{
    return MasteryOf(LastAnswers(fact, MasteryAnswers));
}

QList<FactAnswer> FactsHistory::LastAnswers(const Fact& fact, int count) const
{
    const QList<FactAnswer>& all = byFact_[Index(fact)];
    return all.mid(std::max<qsizetype>(0, all.size() - count));
}

std::optional<double> FactsHistory::AverageSeconds(const Fact& fact) const
{
    int tenths = 0, right = 0;
    for (const FactAnswer& a : LastAnswers(fact, AveragedAnswers)) {
        if (!a.Right)
            continue;
        tenths += std::min<int>(a.Tenths, CountedTenthsCap);
        ++right;
    }
    if (right == 0)
        return std::nullopt;
    return tenths / 10.0 / right;
}

std::optional<double> FactsHistory::Fluency(int op) const
{
    if (op < 0 || op > 3)
        return std::nullopt;
    const QList<Timed>& latest = latest_[static_cast<size_t>(op)];
    if (latest.size() < FluencyLeastAnswers)
        return std::nullopt;
    int right = 0, tenths = 0;
    for (const Timed& t : latest) {
        right += t.right ? 1 : 0;
        tenths += t.tenths;
    }
    return right * 600.0 / tenths;
}

MasteryCounts FactsHistory::Counts(int op) const
{
    MasteryCounts counts;
    for (const Fact& fact : DrilledFacts(op)) {
        switch (State(fact)) {
        case Mastery::Known: ++counts.Known; break;
        case Mastery::Learning: ++counts.Learning; break;
        case Mastery::ToPractise: ++counts.ToPractise; break;
        case Mastery::NotYetAsked: ++counts.NotYetAsked; break;
        }
    }
    return counts;
}

QList<SlowFact> FactsHistory::Slowest(int op, int count) const
{
    QList<SlowFact> asked;
    for (const Fact& fact : DrilledFacts(op)) {
        if (const std::optional<double> seconds = AverageSeconds(fact))
            asked << SlowFact{fact, *seconds};
    }
    std::stable_sort(asked.begin(), asked.end(),
                     [](const SlowFact& a, const SlowFact& b) { return a.AverageSeconds > b.AverageSeconds; });
    return asked.mid(0, std::max(0, count));
}

TableSet TablesOf(int tableNum)
{
    TableSet tables;
    if (tableNum < -10 || tableNum > 10)
        return tables;
    const int first = tableNum < 0 ? -tableNum : 1;
    const int last = tableNum == 0 ? 10 : std::abs(tableNum);
    for (int t = first; t <= last; ++t)
        tables.set(static_cast<size_t>(t));
    return tables;
}

QList<Fact> PracticeSheetFacts(const FactsHistory& history, int op, TableSet tables, Platform& platform, int count)
{
    if (tables.none())
        tables = TablesOf(0);
    auto rank = [](Mastery m) {
        switch (m) {
        case Mastery::ToPractise: return 0;
        case Mastery::Learning: return 1;
        case Mastery::NotYetAsked: return 2;
        case Mastery::Known: break;
        }
        return 3;
    };
    struct Candidate {
        Fact fact;
        int rank;
        double seconds;
    };
    QList<Candidate> candidates;
    for (const Fact& fact : DrilledFacts(op))
        if (tables.test(static_cast<size_t>(fact.Table)))
            candidates << Candidate{fact, rank(history.State(fact)), history.AverageSeconds(fact).value_or(0)};
    // Ties stay in grid order.
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.seconds > b.seconds;
    });
    QList<Fact> chosen;
    for (const Candidate& c : candidates)
        for (int copy = 0; copy < (c.rank == 0 ? 2 : 1) && chosen.size() < count; ++copy)
            chosen << c.fact;
    for (qsizetype i = 0; chosen.size() < count && !candidates.isEmpty(); ++i)
        chosen << candidates[i % candidates.size()].fact;
    for (qsizetype i = chosen.size() - 1; i > 0; --i) {
        const auto j = static_cast<qsizetype>(platform.Random() * static_cast<double>(i + 1));
        std::swap(chosen[i], chosen[std::min(j, i)]);
    }
    // The two of a fact are kept apart: each place takes the first fact left that differs from the one before.
    QList<Fact> spread;
    while (!chosen.isEmpty()) {
        qsizetype at = 0;
        while (!spread.isEmpty() && at < chosen.size() && chosen[at] == spread.back())
            ++at;
        spread << chosen.takeAt(at < chosen.size() ? at : 0);
    }
    return spread;
}

QList<WeekPoint> KnownByWeek(const FactsHistory& history, int op, TableSet tables, const QDateTime& now)
{
    constexpr qint64 WeekSeconds = 7 * 24 * 3600;
    QDateTime first;
    for (const Fact& fact : DrilledFacts(op))
        for (const FactAnswer& a : history.LastAnswers(fact, 1 << 30))
            if (!first.isValid() || a.When < first)
                first = a.When;
    if (!first.isValid())
        return {};
    // The week of the first answer: week k runs from just after now - 7(k + 1) days to now - 7k days.
    const qint64 weeks = std::max<qint64>(0, first.secsTo(now)) / WeekSeconds;
    QList<WeekPoint> points;
    for (qint64 k = weeks; k >= 0; --k) {
        const QDateTime end = now.addDays(-7 * k);
        WeekPoint point{end.date(), 0};
        for (const Fact& fact : DrilledFacts(op)) {
            if (!tables.test(static_cast<size_t>(fact.Table)))
                continue;
            QList<FactAnswer> until;
            for (const FactAnswer& a : history.LastAnswers(fact, 1 << 30))
                if (a.When <= end)
                    until << a;
            point.Known += MasteryOf(until.mid(std::max<qsizetype>(0, until.size() - MasteryAnswers))) == Mastery::Known;
        }
        points << point;
    }
    return points;
}
