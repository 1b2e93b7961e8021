// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/logic/Documentation.h"

#include <algorithm>

QString DocumentationText(const QByteArray& file)
{
    return QString::fromUtf8(file.mid(3));
}

QStringList TableOfContents(const QString& docText)
{
    QStringList entries;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype star = docText.indexOf(QLatin1Char('*'), pos);
        if (star < 0)
            break;
        const qsizetype cr = docText.indexOf(QLatin1Char('\r'), star + 1);
        if (cr < 0)
            break;
        entries << docText.mid(star + 1, cr - star - 1);
        pos = cr;
    }
    return entries;
}

QString TopicKey(const QString& entry)
{
    return QStringLiteral("*") + entry;
}

QString TopicText(const QString& text, int position)
{
    const qsizetype at = std::clamp<qsizetype>(position - 1, 0, text.size());
    qsizetype start = text.lastIndexOf(TopicHeadingMark, at);
    if (start < 0)
        start = 0;
    qsizetype end = text.indexOf(TopicHeadingMark, start + 1);
    if (end < 0)
        end = text.size();
    return text.mid(start, end - start);
}
