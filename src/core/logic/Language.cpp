// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/Language.h"

#include <QDir>
#include <QFileInfo>

const QStringList& Languages()
{
    static const QStringList languages{EnglishLanguage, QStringLiteral("de"), QStringLiteral("fr"),
                                       QStringLiteral("es")};
    return languages;
}

namespace {
// "de_DE.UTF-8", "de@euro" and "de" all name German.
QString LanguageOf(const QString& entry)
{
    return entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}
} // namespace

QString DesktopLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                        const QString& lang)
{
    for (const QString& entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (Languages().contains(LanguageOf(entry)))
            return LanguageOf(entry);
    }
    for (const QString& locale : {lcAll, lcMessages, lang}) {
        if (locale.isEmpty())
            continue;
        const QString code = LanguageOf(locale);
        return Languages().contains(code) ? code : EnglishLanguage;
    }
    return EnglishLanguage;
}

QString DesktopLanguage()
{
    const auto env = [](const char* name) { return qEnvironmentVariable(name); };
    return DesktopLanguage(env("LANGUAGE"), env("LC_ALL"), env("LC_MESSAGES"), env("LANG"));
}

QString SpokenLanguage(const QLocale& locale)
{
    const QString code = LanguageOf(locale.name());
    return Languages().contains(code) ? code : EnglishLanguage;
}

QString ShownLanguage()
{
    return SpokenLanguage(QLocale());
}

QString LocalizedFile(const QString& file, const QString& language, const QString& folder)
{
    if (language == EnglishLanguage)
        return file;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString translated = dot < 0 ? file + QLatin1Char('.') + language
                                       : file.left(dot) + QLatin1Char('.') + language + file.mid(dot);
    return QFileInfo(QDir(folder).filePath(translated)).isFile() ? translated : file;
}
