// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The languages Numbrella speaks ("en", the default, "de", "fr" and "es"), which of them the
// desktop asks for, and the program's text files in the language shown.

#include <QLocale>
#include <QString>
#include <QStringList>

inline const QString EnglishLanguage = QStringLiteral("en");
// The languages with translated texts, English first.
const QStringList& Languages();

// The desktop's language as gettext finds it: the first spoken entry of LANGUAGE (a list
// separated by colons), else the first of LC_ALL, LC_MESSAGES and LANG that is set; English
// when that one is not spoken ("C", "it_IT") or nothing is set.
QString DesktopLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                        const QString& lang);
// The same, read from this process's environment.
QString DesktopLanguage();

// The language of a locale among those spoken ("de" for "de_AT"), English for any other.
QString SpokenLanguage(const QLocale& locale);
// The language the program shows now: the default QLocale's.
QString ShownLanguage();

// A text file of the program in the language shown: "nbr.txx" is "nbr.de.txx" in German when
// that file exists in `folder`, else "nbr.txx" itself. The language goes before the last dot.
QString LocalizedFile(const QString& file, const QString& language, const QString& folder = QStringLiteral("."));
