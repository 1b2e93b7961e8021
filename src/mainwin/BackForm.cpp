#include "mainwin/BackForm.h"

#include "core/App.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

BackForm::BackForm()
    : Form(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("BackForm"));
    Forms::SetMainWindow(this);
}

void BackForm::FormLoad()
{
    setWindowTitle(QStringLiteral("Numbrella"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    MoveTo(0, 0);
    SetSize(PixelsToTwips(screen.width()), PixelsToTwips(screen.height()) - 400);
}

void BackForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    System().EndProgram();
}
