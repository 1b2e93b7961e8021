// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once

// Reads "nbr.doc" from the program folder into DocText. When it cannot be read, the viewer
// closes if it is open, the user is told, DocText stays as it was and the result is false.
bool LoadDocumentation();
