// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/DisplayName.h"

#include <QRegularExpression>

QString CanonicalDisplay(const QString& display)
{
    // [host]:number[.screen]; the host "unix" (or none, or a socket's path) is this computer.
    static const QRegularExpression form(QStringLiteral(R"(^(.*):(\d+)(\.\d+)?$)"));
    static const QRegularExpression socket(QStringLiteral(R"(^/tmp/\.X11-unix/X(\d+)$)"));
    const QString name = display.trimmed();
    if (const auto m = socket.match(name); m.hasMatch())
        return QLatin1Char(':') + QString::number(m.captured(1).toInt());
    const auto m = form.match(name);
    if (!m.hasMatch())
        return name;
    QString host = m.captured(1);
    if (host == QLatin1String("unix") || host.startsWith(QLatin1Char('/')))
        host.clear();
    return host + QLatin1Char(':') + QString::number(m.captured(2).toInt());
}
