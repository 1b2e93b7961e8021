// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/SingleCopy.h"

#include "app/Activation.h"

#include "core/Form.h"
#include "core/logic/DisplayName.h"
#include "core/logic/Platform.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The user's own runtime folder: a folder of the user's that nobody else may enter. Under a
// test root its "tmp", which goes with it; else, or when there is none, the shared temporary
// folder, where every caller is checked before it is trusted (CopyAnswers).
QString AddressFolder()
{
    if (!TestRoot().isEmpty() && QDir(TestRoot() + QStringLiteral("/tmp")).exists())
        return TestRoot() + QStringLiteral("/tmp");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (!runtime.isEmpty() && ::stat(runtime.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == getuid() && (info.st_mode & 077) == 0)
        return QFile::decodeName(runtime);
    return QDir::tempPath();
}

// The copy's address: one per user and screen, the screen named as the program connects to
// it, so ":0", ":0.0" and "unix:0" are one address. Two desktops, or two computers that
// share one program folder over the network, each run a copy of their own.
QString ServerPath()
{
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    const QString screen = wayland ? QStringLiteral("wayland:") + qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"))
                                   : CanonicalDisplay(qEnvironmentVariable("DISPLAY"));
    const QByteArray session = QByteArray::number(getuid()) + '\n' + screen.toUtf8() + '\n' + qgetenv("NUMBRELLA_ROOT");
    const QString id = QString::fromLatin1(QCryptographicHash::hash(session, QCryptographicHash::Sha1).toHex().left(16));
    return AddressFolder() + QStringLiteral("/numbrella-") + id;
}

// The window the child works in: an open modal dialog, else the window that was active
// last, else the background window.
QPointer<QWidget> lastActive;
QPointer<QWidget> frontWindow;

void BringToFront()
{
    QWidget* background = frontWindow;
    QWidget* target = QApplication::activeModalWidget();
    if (!target && lastActive && lastActive->isVisible())
        target = lastActive;
    if (!target)
        target = background;
    if (!target)
        return;
    for (QWidget* w : {background, target}) {
        if (w && w->isMinimized())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    target->show();
    target->raise();
    target->activateWindow();
}

// A local stream socket at the address, not yet connected or bound; false when the
// address does not fit.
bool MakeSocket(const QString& path, int& fd, sockaddr_un& address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.size() >= int(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    return fd >= 0;
}

// True when a running copy answers at the address within the time.
bool CopyAnswers(const QString& path, int timeoutMs)
{
    int fd = -1;
    sockaddr_un address;
    if (!MakeSocket(path, fd, address))
        return false;
    bool answered = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (!answered && (errno == EINPROGRESS || errno == EAGAIN)) {
        pollfd wait{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof(error);
        answered = poll(&wait, 1, timeoutMs) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    // Only a copy of this user's is one: another account listening at the address is ignored.
    ucred peer{};
    socklen_t size = sizeof(peer);
    answered = answered && getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
    if (answered)
        SendActivationToken(fd);
    close(fd);
    return answered;
}

// Held by one start at a time while it asks for a running copy and takes the address. The
// system lets go of it when the holder ends, however it ends, so a killed start leaves
// nothing to wait for; nothing is written or synced to the disk.
class StartLock {
public:
    StartLock(const QString& path, int timeoutMs)
        : fd_(open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600))
    {
        QElapsedTimer clock;
        clock.start();
        while (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && clock.elapsed() < timeoutMs)
            usleep(10000);
    }
    ~StartLock()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

private:
    int fd_;
};

} // namespace

bool BecomeOnlyCopy()
{
    const QString path = ServerPath();
    // Two starts at once (a double click taken twice) must not both become the only copy; a
    // lock not had within 3 s is passed by, so nothing ever keeps the program from starting.
    const StartLock lock(path + QStringLiteral(".starting"), 3000);
    if (CopyAnswers(path, 1000))
        return false;
    // Nobody of this user's answered: what is left at the address is from a copy that was
    // killed (another user's is not this user's to remove, and then the address is not had).
    const QByteArray name = QFile::encodeName(path);
    unlink(name.constData());
    int fd = -1;
    sockaddr_un address;
    // Without the address this copy still runs; it only cannot be called to the front.
    if (!MakeSocket(path, fd, address))
        return true;
    // Only this user may call the copy.
    const mode_t mask = umask(0077);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    umask(mask);
    if (!bound || listen(fd, 8) != 0) {
        close(fd);
        return true;
    }
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd] {
        bool called = false;
        for (int caller; (caller = accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            TakeActivationToken(caller);
            close(caller);
            called = true;
        }
        if (called)
            BringToFront();
    });
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (now && now->window() != frontWindow && qobject_cast<Form*>(now->window()))
            lastActive = now->window();
    });
    return true;
}

void SetFrontWindow(QWidget* background)
{
    frontWindow = background;
}
