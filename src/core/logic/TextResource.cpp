#include "core/logic/TextResource.h"

namespace {

QByteArray Marker(int n)
{
    return "[" + (QByteArray("0") + QByteArray::number(n)).right(2);
}

} // namespace

QByteArray JoinTextLines(QByteArray text)
{
    qsizetype p = 0;
    for (;;) {
        p = text.indexOf("\r\n", p);
        if (p < 0)
            break;
        const qsizetype after = p + 2;
        const bool keep = after < text.size() && (text[after] == '\r' || text[after] == ' ');
        if (!keep)
            text.remove(p, 2);
        p += 8;
    }
    return text;
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
    return QStringLiteral("Aborting: ") + TextResourceFile + QStringLiteral(" is missing.")
        + QStringLiteral("\n\n")
        + QStringLiteral("This probably means one of two things.  Either you installed NBR in a temporary "
                         "folder or you moved QUBO.EXE after it was installed.  The remedy is to extract "
                         "NBR.TXX from your original .ZIP file and put it in ")
        + appPath;
}
