// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Builders for the score and practice tests: records of a set and states holding one practice.

#include "core/logic/StateParts.h"
#include "core/logic/PracticeRecord.h"

#include <QList>
#include <QString>

// A record of the set `key` (operation, table, minutes digit) ended at `when`, with its counts.
inline QString Rec(const char* key, int right, int attempts, const char* when = "200603151405")
{
    return QString::fromLatin1(key) + QLatin1String(when)
        + QStringLiteral("%1%2").arg(right, 3, 10, QLatin1Char('0')).arg(attempts, 3, 10, QLatin1Char('0'));
}

// The five values a record holds: operation, table, minutes, right and attempts.
template <class T> QList<int> Fields(const T& s)
{
    return {s.PracticeOp, s.TableNum, s.PracticeMinutes, s.CorrectCount, s.AttemptCount};
}

// The five values of a practice.
template <class T = PracticeFields> T Practised(const QList<int>& fields)
{
    T s;
    Int16* to[] = {&s.PracticeOp, &s.TableNum, &s.PracticeMinutes, &s.CorrectCount, &s.AttemptCount};
    for (int i = 0; i < 5; ++i)
        *to[i] = static_cast<Int16>(fields.value(i));
    return s;
}
