#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

TestPlatform::TestPlatform()
    : now(QDate(2006, 3, 15), QTime(14, 5))
{
    QDir().mkpath(root.path() + QStringLiteral("/tmp"));
    QDir().mkpath(MachineSettingsDir());
}

double TestPlatform::Random()
{
    if (randoms.empty())
        return 0.0;
    const double r = randoms[nextRandom % randoms.size()];
    ++nextRandom;
    return r;
}

int TestPlatform::OpenDocument(const QString& target)
{
    opened << target;
    return 33;
}

bool TestPlatform::StartDetached(const QString& program)
{
    started << program;
    return true;
}

void TestPlatform::EnterProgramDir() const
{
    QDir::setCurrent(programDir.path());
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void WriteRepeated(const QString& path, const QByteArray& head, const QByteArray& line, qint64 size)
{
    QByteArray block;
    while (block.size() < (1 << 20))
        block += line;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    f.write(head);
    for (qint64 written = head.size(); written < size; written += block.size())
        f.write(block);
}
