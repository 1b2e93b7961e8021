// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/TextResource.h"

#include <QCoreApplication>

namespace {

QByteArray Marker(int n)
{
    return "[" + (QByteArray("0") + QByteArray::number(n)).right(2);
}

} // namespace

QByteArray JoinTextLines(QByteArray text)
{
    // One pass: the text as it stands after the removals so far is `out` followed by the
    // rest of `text` from `in`; removing in place would make a long section quadratic.
    QByteArray out;
    out.reserve(text.size());
    qsizetype in = 0; // first byte of `text` not yet moved to `out`
    qsizetype p = 0;  // search position in the text as it stands, never before out.size()
    for (;;) {
        const qsizetype from = in + (p - out.size());
        const qsizetype found = from < text.size() ? text.indexOf("\r\n", from) : -1;
        if (found < 0)
            break;
        out.append(text.constData() + in, found - in);
        const qsizetype pair = out.size();
        in = found + 2;
        const bool keep = in < text.size() && (text[in] == '\r' || text[in] == ' ');
        if (keep)
            out.append("\r\n");
        p = pair + 8;
    }
    out.append(text.constData() + in, text.size() - in);
    return out;
}

QString TextSection(const QByteArray& file, int n)
{
    const qsizetype p1 = file.indexOf(Marker(n));
    const qsizetype p2 = file.indexOf(Marker(n + 1));
    // Without either marker there is no section to cut (not a piece of some other text).
    if (p1 < 0 || p2 < 0)
        return TextSectionError;
    const qsizetype length = p2 - p1 - 3;
    if (length < 0)
        return TextSectionError;
    return QString::fromUtf8(JoinTextLines(file.mid(p1 + 3, length)));
}

QString MissingTextResourceMessage(const QString& appPath)
{
    return QCoreApplication::translate("TextResource", "Aborting: %1 is missing.").arg(TextResourceFile)
        + QStringLiteral("\n\n")
        + QCoreApplication::translate("TextResource",
                                      "This probably means one of two things.  Either you installed NBR in a temporary "
                                      "folder or you moved QUBO.EXE after it was installed.  The remedy is to extract "
                                      "NBR.TXX from your original .ZIP file and put it in %1")
              .arg(appPath);
}
