// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A ring round the control that has the keyboard focus, in every window and from the moment
// the window opens: the toolkit's own focus marks show only after Tab, are a single pixel
// and are missing on some controls (swatches, scroll bars).

namespace FocusRing {
// Once, at start: the ring follows the focus for the whole application.
void Install();
} // namespace FocusRing
