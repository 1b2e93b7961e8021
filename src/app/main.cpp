// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/DisplayScale.h"
#include "app/MainProgram.h"
#include "app/SingleCopy.h"
#include "app/SystemPlatform.h"
#include "app/Translation.h"
#include "core/Captions.h"
#include "core/WindowUtils.h"
#include "core/logic/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString commandLine = WholeCommandLine(arguments);

    ProgramParts parts;
    SystemPlatform platform;

    if (WantsUninstall(commandLine)) {
        // The uninstaller needs no display: start it and end.
        QCoreApplication app(argc, argv);
        parts.program.Start(platform, commandLine);
        return 0;
    }
    const QByteArray parentsScale = ApplyDisplayScale(argc, argv);
    QApplication app(argc, argv);
    RestoreScaleEnvironment(parentsScale);
    PaintWhileLocksWait();
    // The menu bar is drawn in the window, never handed to a desktop's global menu: Qt need
    // not ask the session bus (a wait of some milliseconds at start-up) whether one exists.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The background's own X windows (core/ServerSurface) leave the menu bar beside them drawn by Qt.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QApplication::setApplicationName(QStringLiteral("Numbrella"));
    // A copy already runs on this desktop: it has come to the front instead.
    if (!BecomeOnlyCopy())
        return 0;
    // The desktop's language until a child with a language of her own is chosen.
    Translation translation;
    parts.program.OnLanguage([&translation](const QString& choice) { translation.Use(choice); });
    DumpCaptionsWhenAsked();
    Main(parts, platform, commandLine);
    return 0;
}
