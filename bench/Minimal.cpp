// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The yardstick for start-up and memory: the smallest Qt Widgets program, one label in
// one window, built with the same compiler and flags as Numbrella.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Numbrella"));
    // The watcher recognises the window by its role, as it does Numbrella's windows.
    label.setWindowRole(QStringLiteral("Minimal"));
    label.show();
    return app.exec();
}
