// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Draws laid-out pages on a printer or into a PDF file, the same way for both.

#include "core/logic/PrinterDevice.h"

class QPagedPaintDevice;

// Sets margins of 15 mm inside what the device can print on (paper a printer cannot reach is
// no margin) and returns the area inside them, in twips.
QSize SetPrintMargins(QPagedPaintDevice& device);

// Paints the pages, each on a sheet of its own. False when the device refused them.
bool PaintPages(QPagedPaintDevice& device, const PrintDocument& pages);
