// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "practice/logic/NextProblem.h"

#include <algorithm>
#include <cmath>

namespace {

// 1..n from one draw. The platform promises r < 1; the clamp keeps a stray 1.0 inside
// the table of asked facts.
int DrawOneTo(Platform& platform, int n)
{
    const int v = static_cast<int>(std::floor(n * platform.Random())) + 1;
    return std::clamp(v, 1, n);
}

// The definition window never produces more than 10; a larger table would run past
// the 11 x 11 marks, so it is read as 10.
int TableSize(Int16 tableNum)
{
    return std::min(std::abs(static_cast<int>(tableNum)), 10);
}

bool ReadFactKey(const QString& key, int& table, int& partner)
{
    bool okTable = false;
    bool okPartner = false;
    table = key.mid(0, 2).toInt(&okTable);
    partner = key.mid(2, 2).toInt(&okPartner);
    return okTable && okPartner && table >= 1 && table <= 10 && partner >= 1 && partner <= 10;
}

// Step 1: a missed fact other than the previous one, when the review supplies one.
bool TakeMissedFact(ProblemState& p, Platform& platform)
{
    while (p.ReviewMode == 1 && !p.MissedFacts.isEmpty()) {
        const int count = p.MissedFacts.size();
        const int position = std::clamp(static_cast<int>(std::floor(count * platform.Random())), 0, count - 1);
        int table = 0;
        int partner = 0;
        if (!ReadFactKey(p.MissedFacts.at(position), table, partner)) {
            // Only FactKey writes the list; anything else could never be asked, so it goes.
            p.MissedFacts.removeAt(position);
            continue;
        }
        if (table != p.PrevTableValue || partner != p.PrevPartnerValue) {
            p.MissedFacts.removeAt(position);
            p.TableValue = static_cast<Int16>(table);
            p.PartnerValue = static_cast<Int16>(partner);
            return true;
        }
        // Only the previous fact is left to review: the random step takes over.
        const QString previous = FactKey(p.PrevTableValue, p.PrevPartnerValue);
        if (std::all_of(p.MissedFacts.cbegin(), p.MissedFacts.cend(),
                        [&](const QString& k) { return k == previous; }))
            return false;
    }
    return false;
}

// Step 2: a random fact, avoiding the previous partner and facts asked this round.
void DrawRandomFact(ProblemState& p, const PracticeFields& practice, Platform& platform)
{
    const int n = TableSize(practice.TableNum);
    const int limit = DrawLimit(practice.TableNum);
    int draws = 0;
    for (;;) {
        ++draws;
        const int partner = DrawOneTo(platform, 10);
        p.PartnerValue = static_cast<Int16>(partner);
        if (partner == p.PrevPartnerValue)
            continue; // this draw counts, and nothing else is looked at
        int table = n;
        if (practice.TableNum == 0)
            table = DrawOneTo(platform, 10);
        else if (practice.TableNum > 0)
            table = DrawOneTo(platform, n);
        p.TableValue = static_cast<Int16>(table);
        if (draws >= limit || p.AskedFacts[table][partner] != 1)
            break;
    }
    // The round ends only when the search stopped exactly at its limit; a partner redraw
    // that carried the counter past it leaves the marks.
    if (draws == limit) {
        for (auto& row : p.AskedFacts)
            row.fill(0);
    }
}

} // namespace

QString FactKey(int table, int partner)
{
    return QStringLiteral("%1%2").arg(table, 2, 10, QLatin1Char('0')).arg(partner, 2, 10, QLatin1Char('0'));
}

int DrawLimit(Int16 tableNum)
{
    return tableNum == 0 ? 100 : 10 * TableSize(tableNum);
}

void NextProblem(ProblemState& p, const PracticeFields& practice, Platform& platform)
{
    if (!TakeMissedFact(p, platform))
        DrawRandomFact(p, practice, platform);

    const int t = p.TableValue;
    const int partner = p.PartnerValue;
    p.AskedFacts[t][partner] = 1;
    p.PrevTableValue = p.TableValue;
    p.PrevPartnerValue = p.PartnerValue;

    switch (practice.PracticeOp) {
    case 1: // the table number is the one taken away
        p.ShownFirst = static_cast<Int16>(t + partner);
        p.ShownSecond = static_cast<Int16>(t);
        p.Answer = static_cast<Int16>(partner);
        break;
    case 2:
        p.ShownFirst = static_cast<Int16>(t);
        p.ShownSecond = static_cast<Int16>(partner);
        p.Answer = static_cast<Int16>(t * partner);
        break;
    case 3: // the table number is the divisor
        p.ShownFirst = static_cast<Int16>(t * partner);
        p.ShownSecond = static_cast<Int16>(t);
        p.Answer = static_cast<Int16>(partner);
        break;
    default: // Addition; the definition window produces no operation outside 0..3
        p.ShownFirst = static_cast<Int16>(t);
        p.ShownSecond = static_cast<Int16>(partner);
        p.Answer = static_cast<Int16>(t + partner);
        break;
    }
}
