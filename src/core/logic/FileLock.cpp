// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::function<void(LockWait)>& Waiter()
{
    static std::function<void(LockWait)> waiter;
    return waiter;
}

void Wait(LockWait step)
{
    if (Waiter())
        Waiter()(step);
    else if (step == LockWait::Step)
        ::usleep(20000);
}

QByteArray HostName()
{
    char name[256] = {};
    ::gethostname(name, sizeof(name) - 1);
    return QByteArray(name);
}

enum class Attempt { Taken, Held, InTheWay, Failed };

// A lock is "PID\nHOST\n". Left by a copy that is gone when its process is gone from this
// computer, or when it is older than the stale age (a copy on another computer, or a lock
// whose holder cannot be told).
bool LeftBehind(const QByteArray& holder, const struct stat& info)
{
    const QList<QByteArray> lines = holder.split('\n');
    bool isPid = false;
    const long pid = lines.value(0).toLong(&isPid);
    const double ageMs = std::difftime(std::time(nullptr), info.st_mtime) * 1000;
    if (isPid && pid > 0 && lines.value(1) == HostName() && ageMs < 4.0 * StaleLockMs)
        return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    return ageMs > StaleLockMs;
}

// One try at the lock. Nothing at its place is ever opened but a plain file, and nothing
// is opened so that it could wait (a named pipe planted there).
Attempt TryLock(const QByteArray& name, ino_t& taken)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const QByteArray holder = QByteArray::number(::getpid()) + '\n' + HostName() + '\n';
        struct stat info {};
        const bool ok = ::write(fd, holder.constData(), holder.size()) == holder.size() && ::fstat(fd, &info) == 0;
        ::close(fd);
        taken = info.st_ino;
        if (!ok)
            ::unlink(name.constData());
        return ok ? Attempt::Taken : Attempt::Failed;
    }
    if (errno != EEXIST)
        return Attempt::Failed; // a folder that cannot be written
    struct stat place {};
    if (::lstat(name.constData(), &place) != 0)
        return Attempt::Held; // let go of just now
    if (!S_ISREG(place.st_mode))
        return Attempt::InTheWay;
    const int in = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return errno == ENOENT ? Attempt::Held : Attempt::InTheWay;
    char bytes[256];
    struct stat info {};
    const ssize_t n = ::fstat(in, &info) == 0 && S_ISREG(info.st_mode) ? ::read(in, bytes, sizeof(bytes)) : -1;
    ::close(in);
    if (n < 0)
        return Attempt::InTheWay;
    // Taken over only while it is still the one looked at, and at once.
    if (LeftBehind(QByteArray(bytes, n), info) && ::lstat(name.constData(), &place) == 0 && place.st_ino == info.st_ino
        && ::unlink(name.constData()) == 0)
        return TryLock(name, taken);
    return Attempt::Held;
}
} // namespace

void SetLockWaiter(std::function<void(LockWait)> waiter)
{
    Waiter() = std::move(waiter);
}

bool WithFileLock(const QString& path, const std::function<bool()>& work, QString* blocked)
{
    const QString lockPath = path + QStringLiteral(".lock");
    const QByteArray name = QFile::encodeName(lockPath);
    QElapsedTimer clock;
    clock.start();
    bool waited = false;
    ino_t taken = 0;
    Attempt attempt;
    while ((attempt = TryLock(name, taken)) != Attempt::Taken && attempt != Attempt::Failed && clock.elapsed() < LockWaitMs) {
        if (!waited)
            Wait(LockWait::Begin);
        waited = true;
        Wait(LockWait::Step);
    }
    if (waited)
        Wait(LockWait::End);
    if (attempt != Attempt::Taken) {
        if (blocked)
            *blocked = QFileInfo(attempt == Attempt::Failed ? path : lockPath).fileName();
        return false;
    }
    const bool done = work();
    // Only the lock this copy made is removed, never one that replaced it.
    struct stat place {};
    if (::lstat(name.constData(), &place) == 0 && place.st_ino == taken)
        ::unlink(name.constData());
    return done;
}
