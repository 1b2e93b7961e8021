#include "core/logic/FileLock.h"

#include <QLockFile>

bool WithFileLock(const QString& path, const std::function<bool()>& work)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (!lock.tryLock(LockWaitMs))
        return false;
    return work();
}
