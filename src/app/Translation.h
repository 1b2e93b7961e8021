// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The language the program's windows speak: Numbrella's own translations and Qt's (the save and
// print dialogs), and the locale that writes dates and numbers. English needs no translation.

#include <QLocale>
#include <QString>
#include <QTranslator>

class Translation {
public:
    // Speaks the desktop's language from the start.
    Translation();
    // A child's choice ("de"), or the desktop's language when the choice is empty or unknown.
    void Use(const QString& choice);

private:
    QString desktop_;
    QString current_;
    QLocale system_;
    QTranslator program_;
    QTranslator qt_;
};
