// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/SystemPlatform.h"

#include "audio/MidiSynth.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QUrl>

QDateTime SystemPlatform::Now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemPlatform::MonotonicMs() const
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

int SystemPlatform::DrillSecondMs() const
{
    static const int ms = DrillSecondOverride(TestRoot(), qgetenv("NUMBRELLA_DRILL_SECOND_MS"));
    return ms;
}

void SystemPlatform::SeedRandom(double seed)
{
    engine_.seed(static_cast<std::uint32_t>(seed * 1000.0));
}

double SystemPlatform::Random()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

QString SystemPlatform::MachineSettingsDir() const
{
    return TestRoot() + QStringLiteral("/var/lib/numbrella");
}

QString SystemPlatform::LogFilePath() const
{
    return TestRoot() + QStringLiteral("/tmp/nbr.log");
}

QString SystemPlatform::ExecutableDir() const
{
    return QCoreApplication::applicationDirPath();
}

int SystemPlatform::OpenDocument(const QString& target)
{
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target)
                                                          : QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
    return QDesktopServices::openUrl(url) ? 33 : 2;
}

bool SystemPlatform::StartDetached(const QString& program)
{
    return QProcess::startDetached(program, {});
}

void SystemPlatform::EndProgram()
{
    // Every file is written at the moment its data changes, so nothing is left to save: every
    // window's wait returns, the main loop sees the end, and main returns through Qt's shutdown.
    ended_ = true;
    QCoreApplication::exit(0);
}

int SystemPlatform::DisplayColours() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() == 8 ? 256 : -1;
}

MidiDevice& SystemPlatform::MidiOut()
{
    return MidiSynth::Process();
}
