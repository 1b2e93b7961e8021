// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "audio/MMControl.h"

#include "core/Form.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QEventLoop>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace {
enum ButtonKind { KindPrev, KindPlay, KindPause, KindStop };

// Plain bold shapes in friendly colours; the disabled look is derived by the style.
QIcon TransportIcon(int kind)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    switch (kind) {
    case KindPrev:
        p.setBrush(QColor(70, 130, 220));
        p.drawRoundedRect(QRectF(7, 8, 11, 48), 2, 2);
        path.addPolygon(QPolygonF({QPointF(58, 8), QPointF(58, 56), QPointF(21, 32)}));
        path.closeSubpath();
        p.drawPath(path);
        break;
    case KindPlay:
        p.setBrush(QColor(60, 180, 75));
        path.addPolygon(QPolygonF({QPointF(12, 5), QPointF(12, 59), QPointF(60, 32)}));
        path.closeSubpath();
        p.drawPath(path);
        break;
    case KindPause:
        p.setBrush(QColor(245, 165, 35));
        p.drawRoundedRect(QRectF(11, 7, 15, 50), 2, 2);
        p.drawRoundedRect(QRectF(38, 7, 15, 50), 2, 2);
        break;
    default:
        p.setBrush(QColor(220, 60, 60));
        p.drawRoundedRect(QRectF(9, 9, 46, 46), 4, 4);
        break;
    }
    return QIcon(pixmap);
}

bool Is(const QString& command, const char* name)
{
    return command.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}
} // namespace

MMControl::MMControl(QWidget* parent)
    : QWidget(parent)
    , playback_(std::make_unique<MidiPlayback>(MidiSynth::Process()))
{
    setObjectName(QStringLiteral("MM"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    prev_ = AddButton("Prev", tr("Prev"), KindPrev);
    play_ = AddButton("Play", tr("Play"), KindPlay);
    pause_ = AddButton("Pause", tr("Pause"), KindPause);
    stop_ = AddButton("Stop", tr("Stop"), KindStop);
    connect(prev_, &QToolButton::clicked, this, &MMControl::PrevClick);
    connect(play_, &QToolButton::clicked, this, &MMControl::PlayClick);
    connect(pause_, &QToolButton::clicked, this, &MMControl::PauseClick);
    connect(stop_, &QToolButton::clicked, this, &MMControl::StopClick);
}

MMControl::~MMControl() = default;

QToolButton* MMControl::AddButton(const char* name, const QString& accessibleName, int kind)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setIcon(TransportIcon(kind));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    button->setMinimumSize(32, 28);
    layout()->addWidget(button);
    return button;
}

void MMControl::resizeEvent(QResizeEvent* event)
{
    // The shapes grow with the buttons, so big buttons are easy to read for small children.
    const int side = std::max(16, std::min(width() / 4, height()) * 7 / 10);
    for (QToolButton* button : {prev_, play_, pause_, stop_})
        button->setIconSize(QSize(side, side));
    QWidget::resizeEvent(event);
}

void MMControl::SetCommand(const QString& command)
{
    command_ = command;
    error_ = Run(command);
    wait_ = false;
}

int MMControl::Run(const QString& command)
{
    if (Is(command, "Open")) {
        playback_->Close();
        QFile file(fileName_);
        if (fileName_.isEmpty() || !file.open(QIODevice::ReadOnly))
            return ErrorCannotOpen;
        return playback_->Open(file.readAll()) ? ErrorNone : ErrorCannotOpen;
    }
    if (Is(command, "Close")) {
        playback_->Close();
        return ErrorNone;
    }
    const bool known = Is(command, "Play") || Is(command, "Stop") || Is(command, "Prev");
    if (!known)
        return ErrorUnknownCommand;
    if (!playback_->IsOpen())
        return ErrorNotOpen;
    if (Is(command, "Play")) {
        playback_->Play();
        if (wait_)
            WaitForEnd();
    } else if (Is(command, "Stop")) {
        playback_->Stop();
    } else {
        playback_->Rewind();
    }
    return ErrorNone;
}

void MMControl::WaitForEnd()
{
    // The window goes on handling events while the piece plays to its end.
    QEventLoop loop;
    QTimer check;
    connect(&check, &QTimer::timeout, &loop, [this, &loop] {
        if (!playback_->IsPlaying())
            loop.quit();
    });
    check.start(50);
    const NestedWait wait;
    loop.exec();
}

int MMControl::Mode() const
{
    if (!playback_->IsOpen())
        return ModeNotOpen;
    return playback_->IsPlaying() ? ModePlay : ModeStop;
}

bool MMControl::PrevEnabled() const { return prev_->isEnabledTo(this); }
void MMControl::SetPrevEnabled(bool enabled) { prev_->setEnabled(enabled); }
bool MMControl::PlayEnabled() const { return play_->isEnabledTo(this); }
void MMControl::SetPlayEnabled(bool enabled) { play_->setEnabled(enabled); }
bool MMControl::PauseEnabled() const { return pause_->isEnabledTo(this); }
void MMControl::SetPauseEnabled(bool enabled) { pause_->setEnabled(enabled); }
bool MMControl::StopEnabled() const { return stop_->isEnabledTo(this); }
void MMControl::SetStopEnabled(bool enabled) { stop_->setEnabled(enabled); }
