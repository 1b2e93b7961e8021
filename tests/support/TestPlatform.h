// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// A platform for tests: a set clock, a scripted random sequence, a temporary root for the
// machine-wide files, and records of what the program asked of the outside world.

#include "core/logic/Platform.h"
#include "support/FakeMidiDevice.h"
#include "support/FakePrinter.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

class TestPlatform : public Platform {
public:
    TestPlatform();

    QDateTime Now() const override { return now; }
    qint64 MonotonicMs() const override { return monotonicMs; }
    void SeedRandom(double seed) override { seeds.push_back(seed); }
    double Random() override;
    QString MachineSettingsDir() const override { return root.path() + QStringLiteral("/var/lib/numbrella"); }
    QString LogFilePath() const override { return root.path() + QStringLiteral("/tmp/nbr.log"); }
    QString ExecutableDir() const override { return programDir.path(); }
    int OpenDocument(const QString& target) override
    {
        opened << target;
        return 33;
    }
    bool StartDetached(const QString& program) override
    {
        started << program;
        return true;
    }
    void EndProgram() override
    {
        ended = true;
        if (onEnd)
            onEnd();
    }
    bool HasEnded() const override { return ended; }
    int DisplayColours() const override { return displayColours; }
    MidiDevice& MidiOut() override { return midi; }
    PrinterDevice& Printer() override { return printer; }
    // A PDF file: made by `pdfFile` (the window tests hand in the real printer), else the fake one.
    std::unique_ptr<PrinterDevice> PdfFile(const QString& file) override
    {
        return pdfFile ? pdfFile(file) : std::make_unique<FakePrinter>();
    }
    std::function<std::unique_ptr<PrinterDevice>(const QString&)> pdfFile;

    // The settings file and the log under the temporary root.
    QString IniPath() const { return MachineSettingsDir() + QStringLiteral("/nbr.INI"); }
    // Makes the program folder the current folder, as start-up does.
    void EnterProgramDir() const { QDir::setCurrent(programDir.path()); }

    QTemporaryDir root;
    QTemporaryDir programDir;
    QDateTime now;
    qint64 monotonicMs = 0;
    std::vector<double> randoms; // handed out in turn, then cycling
    std::size_t nextRandom = 0;
    std::vector<double> seeds;
    QStringList opened;
    QStringList started;
    bool ended = false;
    // What the end of the program does to the windows of a window test.
    std::function<void()> onEnd;
    int displayColours = -1;
    FakeMidiDevice midi;
    FakePrinter printer;
};

// The whole file as bytes; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// A file of at least `size` bytes: `head`, then `line` again and again.
void WriteRepeated(const QString& path, const QByteArray& head, const QByteArray& line, qint64 size);
// A file of the shipped data folder (NUMBRELLA_DATA) as bytes.
QByteArray ReadDataFile(const QString& name);
// A data function's rows, one for each language whose texts stand beside the English ones
// in the data folder, in one column "language".
void AddLanguageRows();
// The lines of a file with CR LF line ends, without the last line end.
QStringList FileLines(const QString& path);
// A Standard MIDI File of `beats` notes at 120 beats a minute (half a second each, 480 ticks).
constexpr int PieceTicksPerBeat = 480;
QByteArray MidiPiece(int beats, int program = 0);
