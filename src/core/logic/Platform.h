// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The one seam to the outside world: time, random numbers, the fixed machine-wide
// locations, the desktop shell, processes, the end of the program, the display, the
// MIDI device and the printer.
// Production code gets the real one from main.cpp; tests hand in their own.

#include <QDateTime>
#include <QString>
#include <memory>

class MidiDevice;
class PrinterDevice;

class Platform {
public:
    virtual ~Platform() = default;

    virtual QDateTime Now() const = 0;
    // Milliseconds on a clock that never jumps (unlike the time of day).
    virtual qint64 MonotonicMs() const = 0;
    // Milliseconds in one second of the drill's clock: a real second, unless a test shortens it.
    virtual int DrillSecondMs() const { return 1000; }
    // Seconds since midnight, with fractions; seeds the random generator at start-up.
    virtual double SecondsSinceMidnight() const;

    virtual void SeedRandom(double seed) = 0;
    // Uniform in [0, 1).
    virtual double Random() = 0;

    // The machine-wide folder that holds "nbr.INI" (shared by every user of the machine).
    virtual QString MachineSettingsDir() const = 0;
    // The activity log file.
    virtual QString LogFilePath() const = 0;
    // The folder of the running executable.
    virtual QString ExecutableDir() const = 0;

    // Opens a file or web address with the desktop's default handler.
    // Returns a value above 32 on success, as the shell's convention has it.
    virtual int OpenDocument(const QString& target) = 0;
    // Starts a program without waiting for it; true when it started.
    virtual bool StartDetached(const QString& program) = 0;
    // Ends the program: every window's wait returns and no new one waits, so the main loop
    // ends. Callers return right after calling it.
    virtual void EndProgram() = 0;
    // True once EndProgram ran: nothing more is to be shown or written.
    virtual bool HasEnded() const = 0;
    // Number of colours of the display: 256 on an 8-bit display, otherwise anything else.
    virtual int DisplayColours() const = 0;
    // MIDI output device 0: its capabilities and volume.
    virtual MidiDevice& MidiOut() = 0;
    // The default printer.
    virtual PrinterDevice& Printer() = 0;
    // A printer that writes a PDF file instead.
    virtual std::unique_ptr<PrinterDevice> PdfFile(const QString& file) = 0;
};

// Root under which the fixed machine-wide locations are taken; "" for the real machine.
// Set by the environment variable NUMBRELLA_ROOT so tests never touch the real files.
QString TestRoot();
// The drill's second in milliseconds: a whole number from 10 to 1000 in $2 (the variable
// NUMBRELLA_DRILL_SECOND_MS), taken only under a test root $1, so that whole-program tests
// need not wait out real minutes; a real second otherwise.
int DrillSecondOverride(const QString& testRoot, const QByteArray& text);
