// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "support/BenchData.h"

#include "core/logic/PracticeRecord.h"

#include <QDateTime>

QByteArray MakeHistory(int records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records) * 25);
    const QDateTime first(QDate(2006, 1, 1), QTime(8, 0));
    PracticeFields s;
    for (int i = 0; i < records; ++i) {
        const bool charted = i % 5 != 0 || i == records - 1;
        s.PracticeOp = charted ? ChartedOp : static_cast<Int16>(i % 4);
        s.TableNum = charted ? ChartedTable : static_cast<Int16>(i % 21 - 10);
        s.PracticeMinutes = charted ? ChartedMinutes : static_cast<Int16>(i % 10 + 1);
        s.CorrectCount = static_cast<Int16>(i == records - 1 ? 12 : 10 + i * 7 % 30);
        s.AttemptCount = static_cast<Int16>(s.CorrectCount + i % 4);
        bytes += '"' + PackPractice(s, first.addSecs(3600LL * i)).toLatin1() + "\"\r\n";
    }
    return bytes;
}
