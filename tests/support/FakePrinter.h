// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A printer for tests: records every call in order and the text printed, and answers the
// end of the document with a chosen failure ("" prints).

#include "core/logic/PrinterDevice.h"

#include <QStringList>

class FakePrinter : public PrinterDevice {
public:
    void SetFontSize(int points) override { calls << QStringLiteral("FontSize %1").arg(points); }
    void Print(const QString& text) override
    {
        calls << QStringLiteral("Print");
        printed += text;
    }
    void NewPage() override { calls << QStringLiteral("NewPage"); }
    QString EndDoc() override
    {
        calls << QStringLiteral("EndDoc");
        return failure;
    }

    QStringList calls;
    QString printed;
    QString failure;
};
