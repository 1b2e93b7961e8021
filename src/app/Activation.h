// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A second start brings the running copy to the front. On Wayland a window may come to the
// front only with a token the desktop hands out, and the desktop hands it to the program it
// starts (XDG_ACTIVATION_TOKEN): the second start passes its token on to the running copy,
// which asks for its activation with it.

#include <QByteArray>

// Sends this start's token, when it has one, over its connection to the running copy.
void SendActivationToken(int connection);
// The token a caller sent, read within timeoutMs milliseconds; empty when it sent none or
// anything that is not a token.
QByteArray ReadActivationToken(int caller, int timeoutMs);
// On Wayland, reads a caller's token and has the next activation of a window use it.
void TakeActivationToken(int caller);
