// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/Translation.h"

#include "core/logic/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translation::Translation() : desktop_(DesktopLanguage())
{
    Use(QString());
}

void Translation::Use(const QString& choice)
{
    const QString language = Languages().contains(choice) ? choice : desktop_;
    if (language == current_)
        return;
    current_ = language;
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
    if (language == EnglishLanguage) {
        // English dates for English texts, on the system's paper and in its country.
        const bool translated = SpokenLanguage(system_) != EnglishLanguage;
        QLocale::setDefault(translated ? QLocale(QLocale::English, system_.territory()) : system_);
        return;
    }
    QLocale::setDefault(QLocale(language));
    if (program_.load(QStringLiteral(":/i18n/numbrella_") + language))
        QCoreApplication::installTranslator(&program_);
    if (qt_.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}
