#include "app/SingleCopy.h"

#include "core/Form.h"
#include "core/logic/Platform.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <unistd.h>

namespace {

// The copy's address: one per user and desktop session. Two desktops, or two computers
// that share one program folder over the network, each run a copy of their own.
QString ServerPath()
{
    QByteArray session = QByteArray::number(getuid());
    for (const char* name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY", "NUMBRELLA_ROOT"})
        session += '\n' + qgetenv(name);
    const QString id = QString::fromLatin1(QCryptographicHash::hash(session, QCryptographicHash::Sha1).toHex().left(16));
    // The user's own runtime folder; under a test root its "tmp", which goes with it.
    QString folder = TestRoot().isEmpty() ? qEnvironmentVariable("XDG_RUNTIME_DIR") : TestRoot() + QStringLiteral("/tmp");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/numbrella-") + id;
}

// The window the child works in: an open modal dialog, else the window that was active
// last, else the background window.
QPointer<QWidget> lastActive;

void BringToFront()
{
    QWidget* background = Forms::MainWindow();
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

} // namespace

bool BecomeOnlyCopy()
{
    const QString path = ServerPath();
    // Two starts at once (a double click taken twice) must not both become the only copy; a
    // lock not had within 3 s is passed by, so nothing ever keeps the program from starting.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(3000);
    QLocalSocket running;
    running.connectToServer(path);
    if (running.waitForConnected(1000)) {
        running.disconnectFromServer();
        return false;
    }
    // Nobody answered: what is left at the address is from a copy that was killed.
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer(qApp);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Without the address this copy still runs; it only cannot be called to the front.
    server->listen(path);
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket* caller = server->nextPendingConnection())
            caller->deleteLater();
        BringToFront();
    });
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        if (now && now->window() != Forms::MainWindow() && qobject_cast<Form*>(now->window()))
            lastActive = now->window();
    });
    return true;
}
