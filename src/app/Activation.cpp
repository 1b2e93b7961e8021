// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/Activation.h"

#include "core/WindowUtils.h"

#include <QElapsedTimer>
#include <algorithm>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr const char* TokenVariable = "XDG_ACTIVATION_TOKEN";
constexpr qsizetype LongestToken = 1024;

// Printable characters without blanks: what desktops hand out, and nothing that could
// smuggle anything else into the environment.
bool IsToken(const QByteArray& text)
{
    return !text.isEmpty() && text.size() <= LongestToken
           && std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 127; });
}
} // namespace

void SendActivationToken(int connection)
{
    const QByteArray token = qgetenv(TokenVariable);
    if (!IsToken(token))
        return;
    const QByteArray line = token + '\n';
    // Nothing to do when it does not go through: the running copy then asks without a token.
    [[maybe_unused]] const ssize_t sent = write(connection, line.constData(), size_t(line.size()));
}

QByteArray ReadActivationToken(int caller, int timeoutMs)
{
    QByteArray text;
    QElapsedTimer clock;
    clock.start();
    char buffer[256];
    // Until the caller has said all (it closes its end) or the time is up.
    while (text.size() <= LongestToken) {
        pollfd wait{caller, POLLIN, 0};
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || poll(&wait, 1, left) != 1)
            break;
        const ssize_t n = read(caller, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, n);
    }
    text = text.trimmed();
    return IsToken(text) ? text : QByteArray();
}

void TakeActivationToken(int caller)
{
    if (!DesktopPlacesWindows())
        return;
    // Qt's Wayland support asks for the next activation with the token in this variable.
    if (const QByteArray token = ReadActivationToken(caller, 200); !token.isEmpty())
        qputenv(TokenVariable, token);
}
