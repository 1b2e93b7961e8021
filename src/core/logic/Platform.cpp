// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Platform.h"

#include <QtGlobal>

double Platform::SecondsSinceMidnight() const
{
    const QTime t = Now().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

QString TestRoot()
{
    return qEnvironmentVariable("NUMBRELLA_ROOT");
}

int DrillSecondOverride(const QString& testRoot, const QByteArray& text)
{
    bool ok = false;
    const int ms = text.trimmed().toInt(&ok);
    return !testRoot.isEmpty() && ok && ms >= 10 && ms <= 1000 ? ms : 1000;
}
