// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The functions of the printer module (libnumbrella-printer.so beside the executable), by
// the names SystemPrinter resolves them.
#include <QString>

class QPagedPaintDevice;

// The desktop's default printer, ready for a document of that name; null when there is none.
using OpenPrinterFunction = QPagedPaintDevice* (*)(const QString* documentName);
// After the painter has ended: true when the job was refused or cut off.
using PrinterFailedFunction = bool (*)(QPagedPaintDevice* printer);
using ClosePrinterFunction = void (*)(QPagedPaintDevice* printer);

constexpr const char* PrinterModuleName = "numbrella-printer";
