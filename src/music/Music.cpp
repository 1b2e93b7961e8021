// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "music/Music.h"

#include "core/Keyboard.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "core/logic/Tunes.h"
#include "audio/MMControl.h"
#include "music/logic/MidiVolume.h"
#include "music/logic/MusicPieces.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace {
constexpr int WindowWidth = 7560;
constexpr int WindowHeight = 5400;
} // namespace

Music::Music(const Services& services, const MidiState& midi, QWidget* parent)
    : Form(services, parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , midi_(midi)
{
    setObjectName(QStringLiteral("Music"));
    setWindowTitle(tr("Music Break"));
    SetBackColor(this, DefaultBackColour);
    SetSize(WindowWidth, WindowHeight);

    Combo1 = MakeControl<QComboBox>(this, "Combo1", 360, 360, 6000, 480);
    Combo1->setFont(ScaledFont(this, 1.3));
    Combo1->setMaxVisibleItems(12);
    // Only the child's own choice plays a piece; the program's selection of the piece it
    // starts does not.
    connect(Combo1, &QComboBox::activated, this, [this](int index) { PlayPiece(index); });

    MM = MakeControl<MMControl>(this, "MM", 360, 1080, 3840, 720);
    connect(MM, &MMControl::PlayClick, this, [this] { PlayClick(); });
    connect(MM, &MMControl::PauseClick, this, [this] { PauseClick(); });
    connect(MM, &MMControl::StopClick, this, [this] { StopClick(); });
    connect(MM, &MMControl::PrevClick, this, [this] { StopClick(); });

    Label1 = MakeControl<QLabel>(this, "Label1", 360, 2040, 6000, 2400);
    SetBackColor(Label1, White);
    Label2 = MakeControl<QLabel>(this, "Label2", 480, 2130, 5760, 2220);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(ScaledFont(this, 1.15));

    // The bar says what it is above its frame; the arrow and Page keys move it.
    Label4 = MakeControl<QLabel>(this, "Label4", 6480, 330, 840, 330, tr("Volume"));
    Label4->setAlignment(Qt::AlignCenter);
    Label3 = MakeControl<QLabel>(this, "Label3", 6600, 720, 600, 3720);
    Label3->setFrameShape(QFrame::Box);
    VScroll1 = MakeControl<QScrollBar>(this, "VScroll1", 6690, 810, 420, 3540, Qt::Vertical);
    VScroll1->setRange(0, VolumeBarBottom);
    VScroll1->setPageStep(4);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int position) { VolumeChange(position); });
    SetVolumeBarVisible(false);

    Command1 = MakeControl<QPushButton>(this, "Command1", 5640, 4680, 1560, 480, tr("Exit"));
    Command1->setFont(ScaledFont(this, 1.2));
    Keyboard::SetEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, [this] { Unload(); });

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2Tick(); });
}

void Music::FormLoad()
{
    MusicCount_ = 0;
    if (QWidget* back = MainWindowOf(this); back != this) {
        // The picture offers the music break only until the first one.
        if (QWidget* picture = back->findChild<QWidget*>(QStringLiteral("Image1")))
            picture->hide();
        back->raise();
    }
    CentreForm(this);
    DrawFormBevel(this);
    Draw3DBorder(Label1, this, 2, 1);

    const MusicList list = ReadMusicList(MidiFiles());
    if (list.MusicFiles.isEmpty()) {
        ShowMessage(tr("Sorry, but there are no music files."));
        Unload();
        return;
    }
    MusicFiles = list.MusicFiles;
    Combo1->addItems(list.titles);
    MusicCount_ = static_cast<Int16>(MusicFiles.size());
    ShowVolumeBar();
    Timer2->start();
}

void Music::FormActivate()
{
    update();
    if (MusicCount_ > 0 && MM->Mode() != MMControl::ModePlay)
        PlayPiece(RandomIndex(Os(), MusicCount_));
}

void Music::PlayPiece(int n)
{
    if (n < 0 || n >= MusicCount_)
        return;
    ShowHourglass();
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Stop"));
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Close"));
    Combo1->setCurrentIndex(n);
    MM->SetFileName(MusicFiles.at(n));
    MM->SetWait(true);
    MM->SetShareable(false);
    MM->SetCommand(QStringLiteral("Open"));
    Paused = false;
    SetState(PlayerState::Playing);
    MM->SetCommand(QStringLiteral("Play"));
    RestorePointer();
    Label2->setText(PieceInformation(MusicFiles.at(n), Combo1->itemText(n)));
}

void Music::Timer2Tick()
{
    // A piece that has ended goes back to its start and waits; none follows by itself.
    if (MM->Mode() != MMControl::ModePlay && !Paused) {
        MM->SetCommand(QStringLiteral("Prev"));
        SetState(PlayerState::Stopped);
    }
}

void Music::PlayClick()
{
    Paused = false;
    MM->SetCommand(QStringLiteral("Play"));
    SetState(PlayerState::Playing);
}

void Music::PauseClick()
{
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Stop"));
    Paused = true;
    SetState(PlayerState::Paused);
}

void Music::StopClick()
{
    Paused = false;
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Stop"));
    MM->SetCommand(QStringLiteral("Prev"));
    SetState(PlayerState::Stopped);
}

void Music::SetState(PlayerState state)
{
    const TransportButtons b = ButtonsFor(state);
    MM->SetPrevEnabled(b.Prev);
    MM->SetPlayEnabled(b.Play);
    MM->SetPauseEnabled(b.Pause);
    MM->SetStopEnabled(b.Stop);
}

void Music::ShowVolumeBar()
{
    std::uint32_t volume = 0;
    if (midi_.MidiVolumeSupport != 1 || Os().MidiOut().GetVolume(volume) != MidiNoError)
        return;
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setValue(VolumeBarPosition(volume));
    SetVolumeBarVisible(true);
}

void Music::SetVolumeBarVisible(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label3), static_cast<QWidget*>(VScroll1)})
        w->setVisible(visible);
}

void Music::VolumeChange(int position)
{
    if (SetVolumeFromBar(Os().MidiOut(), position) == MidiNoError)
        return;
    SetVolumeBarVisible(false);
    ShowMessage(tr("I'm sorry but your system doesn't support this function"));
}

void Music::FormUnload()
{
    // Music plays only while the window is open, however it is closed.
    Timer2->stop();
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Stop"));
    MM->SetWait(true);
    MM->SetCommand(QStringLiteral("Close"));
}
