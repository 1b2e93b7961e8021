// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "mainwin/BackForm.h"

#include "core/ServerSurface.h"
#include "core/TextResources.h"
#include "core/WindowOpener.h"
#include "core/WindowUtils.h"
#include "core/Artwork.h"
#include "core/logic/MakersPages.h"
#include "practice/logic/DrillLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

BackForm::BackForm(const Services& services, const ProgramSettings& program)
    : Form(services, nullptr, Qt::Window)
    , program_(program)
{
    setObjectName(QStringLiteral("BackForm"));
    SetBackColor(this, DefaultBackColour);

    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    QMenu* file = menuBar_->addMenu(QString());
    file->setObjectName(QStringLiteral("File"));
    Exit = file->addAction(QString());
    Configure = menuBar_->addAction(QString());
    Scores = menuBar_->addAction(QString());
    ProgressEntry = menuBar_->addAction(QString());
    MusicBreak = menuBar_->addAction(QString());
    Help = menuBar_->addAction(QString());
    About = menuBar_->addAction(QString());
    QMenu* more = menuBar_->addMenu(QString());
    more->setObjectName(QStringLiteral("More"));
    SendCommentsEntry = more->addAction(QString());
    Updates = more->addAction(QString());
    fileMenu_ = file;
    moreMenu_ = more;

    const std::pair<QAction*, const char*> names[] = {
        {Exit, "Exit"}, {Configure, "Configure"}, {Scores, "Scores"}, {ProgressEntry, "Progress"}, {MusicBreak, "MusicBreak"},
        {Help, "Help"}, {About, "About"}, {SendCommentsEntry, "SendComments"}, {Updates, "Updates"}};
    for (const auto& [action, name] : names)
        action->setObjectName(QString::fromLatin1(name));


    connect(Exit, &QAction::triggered, this, [this] { Os().EndProgram(); });
    connect(Configure, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowConfig); });
    connect(SendCommentsEntry, &QAction::triggered, this, [this] {
        SendComments();
        SendToBack();
    });
    connect(Scores, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowPlayerScores); });
    connect(ProgressEntry, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowProgress); });
    // As every window of the menu: the menu stays at hand (F10, Alt) while the pages are up.
    connect(Help, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowHelp); });
    connect(About, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowAbout); });
    connect(MusicBreak, &QAction::triggered, this, [this] { RunCommand(&WindowOpener::ShowMusic); });
    connect(Updates, &QAction::triggered, this, [this] { OpenDocument(Os(), UpdatePage); });

    backdrop_ = new ServerSurface(this);
    backdrop_->installEventFilter(this);
    Image1 = new Artwork(backdrop_, true);
    Image1->setObjectName(QStringLiteral("Image1"));
    connect(Image1, &Artwork::Clicked, this, [this] { RunCommand(&WindowOpener::ShowMusic); });
    SetTexts();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(backdrop_, 1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] {
        SendToBack();
        update();
        QCoreApplication::processEvents();
    });
}

void BackForm::SetTexts()
{
    fileMenu_->setTitle(tr("&File"));
    Exit->setText(tr("E&xit"));
    Configure->setText(tr("&Configure"));
    Scores->setText(tr("&Scores"));
    ProgressEntry->setText(tr("&Progress"));
    MusicBreak->setText(tr("&Music Break"));
    Help->setText(tr("&Help"));
    About->setText(tr("&About"));
    moreMenu_->setTitle(tr("M&ore"));
    SendCommentsEntry->setText(tr("Send us your &comments"));
    Updates->setText(tr("&Update Notification"));
    Image1->setToolTip(tr("Music Break"));
}

void BackForm::FormLoad()
{
    setWindowTitle(QStringLiteral("Numbrella"));
    // Where the desktop alone places windows, the whole screen is asked for instead: the
    // window covers it just the same, undecorated, and the other windows stand over it.
    if (DesktopPlacesWindows()) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        return;
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    MoveTo(0, 0);
    SetSize(PixelsToTwips(screen.width()), PixelsToTwips(screen.height()) - 400);
}

void BackForm::SetPlayerEntriesVisible(bool visible)
{
    Configure->setVisible(visible);
    Scores->setVisible(visible);
    ProgressEntry->setVisible(visible);
}

void BackForm::SendToBack()
{
    lower();
}

void BackForm::RunCommand(void (WindowOpener::*command)())
{
    (Windows().*command)();
    SendToBack();
}

void BackForm::SendComments()
{
    WriteCommentsPage(Os(), GetTxt(Os(), program_, 10));
}

void BackForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    Os().EndProgram();
}

void BackForm::mousePressEvent(QMouseEvent* event)
{
    Form::mousePressEvent(event);
    SendToBack();
}

void BackForm::focusInEvent(QFocusEvent* event)
{
    Form::focusInEvent(event);
    GotFocusFlag = 1;
}

bool BackForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        GotFocusFlag = 1;
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        PlaceArtwork();
    return Form::event(event);
}

bool BackForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == backdrop_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        PlaceArtwork();
    return Form::eventFilter(watched, event);
}

void BackForm::PlaceArtwork()
{
    // Where the drill window stands and a little smaller, so that none of it shows round the drill.
    constexpr int side = DrillHeight - 480;
    QPoint topLeft;
    if (DesktopPlacesWindows()) {
        // The window cannot learn where it stands on the screen there: it is placed in the
        // full-screen window's own coordinates, where the desktop centres the drill.
        const QPoint at = CentredPosition(Width(), Height(), side, side);
        topLeft = backdrop_->mapFrom(this, QPoint(TwipsToPixels(at.x()), TwipsToPixels(at.y())));
    } else {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint at = CentredPosition(PixelsToTwips(screen.width()), PixelsToTwips(screen.height()), side, side);
        topLeft = backdrop_->mapFromGlobal(QPoint(TwipsToPixels(at.x()), TwipsToPixels(at.y())));
    }
    Image1->setGeometry(QRect(topLeft, QSize(TwipsToPixels(side), TwipsToPixels(side))));
}

void BackForm::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    // Stacking changes are made after the paint, never inside it.
    if (backPending_)
        return;
    backPending_ = true;
    QTimer::singleShot(0, this, [this] {
        backPending_ = false;
        if (QWidget* active = QApplication::activeWindow(); active && active != this)
            active->raise();
        if (GotFocusFlag == 1) {
            GotFocusFlag = 0;
            return;
        }
        SendToBack();
    });
}

void BackForm::ShowOtherWindows()
{
    QCoreApplication::processEvents();
    const bool minimised = isMinimized();
    for (Form* f : findChildren<Form*>()) {
        if (!f->isWindow() || f->IsUnloaded())
            continue;
        // Minimised rather than withdrawn, so the desktop restores them in step with this window.
        if (minimised) {
            if (f->isVisible())
                f->showMinimized();
        } else if (f->isVisible() || f->isMinimized()) {
            f->showNormal();
            f->raise();
        }
    }
    Timer1->start();
}

void BackForm::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    if (isVisible())
        ShowOtherWindows();
}

void BackForm::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        ShowOtherWindows();
    // The menu stays up while a child with a language of her own is chosen: it changes with her.
    else if (event->type() == QEvent::LanguageChange)
        SetTexts();
}
