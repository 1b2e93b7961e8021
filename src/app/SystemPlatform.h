// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The real outside world of the running program.

#include "core/logic/Platform.h"
#include "help/SystemPrinter.h"

#include <random>

class SystemPlatform : public Platform {
public:
    QDateTime Now() const override;
    qint64 MonotonicMs() const override;
    int DrillSecondMs() const override;
    void SeedRandom(double seed) override;
    double Random() override;
    QString MachineSettingsDir() const override;
    QString LogFilePath() const override;
    QString ExecutableDir() const override;
    int OpenDocument(const QString& target) override;
    bool StartDetached(const QString& program) override;
    void EndProgram() override;
    bool HasEnded() const override { return ended_; }
    int DisplayColours() const override;
    MidiDevice& MidiOut() override;
    PrinterDevice& Printer() override { return printer_; }
    std::unique_ptr<PrinterDevice> PdfFile(const QString& file) override
    {
        return std::make_unique<SystemPrinter>(file);
    }

private:
    std::mt19937 engine_;
    bool ended_ = false;
    SystemPrinter printer_;
};
