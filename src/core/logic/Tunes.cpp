#include "core/logic/Tunes.h"

#include <QDir>

QStringList MidiFiles()
{
    return QDir::current().entryList({QStringLiteral("*.mid")},
                                     QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString RandomMidiFile(Platform& platform)
{
    const QStringList files = MidiFiles();
    if (files.isEmpty())
        return QString();
    int r = static_cast<int>(platform.Random() * files.size());
    if (r >= files.size())
        r = files.size() - 1;
    return files.at(r);
}
