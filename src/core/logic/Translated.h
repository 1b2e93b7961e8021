// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Texts kept as English constants, marked with QT_TRANSLATE_NOOP so that they are collected
// for translation, and turned into the reader's language where they are shown.

#include <QCoreApplication>
#include <QString>

inline QString Translated(const char* context, const QString& english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}
