// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace {
constexpr int RingWidth = 2; // pixels at scale 1, just outside the control
const QColor RingColour(0, 0, 160);

// Drawn on the control's parent, over its neighbours, and never in the way of a click.
class Ring : public QWidget {
public:
    explicit Ring(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int w = width(), h = height();
        p.fillRect(0, 0, w, RingWidth, RingColour);
        p.fillRect(0, h - RingWidth, w, RingWidth, RingColour);
        p.fillRect(0, 0, RingWidth, h, RingColour);
        p.fillRect(w - RingWidth, 0, RingWidth, h, RingColour);
    }
};

// Moves the ring along with the focus; the ring lives on the focused control's parent
// and goes with it when that window is discarded.
class Follower : public QObject {
public:
    explicit Follower(QObject* parent)
        : QObject(parent)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == target_) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::ParentChange:
                Place();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    static bool Ringed(const QWidget* w)
    {
        // The menu shows its own highlight; a drop-down's list pops up in a window of its own.
        return w && !w->isWindow() && w->parentWidget() && !qobject_cast<const QMenuBar*>(w)
            && !qobject_cast<const QMenu*>(w) && w->window()->windowType() != Qt::Popup;
    }

    // The part of the control that no control stacked above it covers (a button partly
    // under another rings only what shows), in its parent's coordinates.
    static QRect ShownPart(const QWidget* target, const QWidget* ring)
    {
        QRegion shown(target->geometry());
        const QObjectList& siblings = target->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(target) + 1; i < siblings.size(); ++i) {
            const auto* w = qobject_cast<const QWidget*>(siblings[i]);
            if (w && w != ring && !w->isWindow() && w->isVisible())
                shown -= w->geometry();
        }
        return shown.isEmpty() ? target->geometry() : shown.boundingRect();
    }

    void Follow(QWidget* now)
    {
        if (target_)
            target_->removeEventFilter(this);
        target_ = Ringed(now) ? now : nullptr;
        if (target_)
            target_->installEventFilter(this);
        Place();
    }

    void Place()
    {
        if (!target_ || !target_->isVisible()) {
            if (ring_)
                ring_->hide();
            return;
        }
        if (!ring_ || ring_->parentWidget() != target_->parentWidget()) {
            delete ring_;
            ring_ = new Ring(target_->parentWidget());
        }
        ring_->setGeometry(ShownPart(target_, ring_).adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth));
        ring_->raise();
        ring_->show();
    }

    QPointer<QWidget> target_;
    QPointer<Ring> ring_;
};
} // namespace

void FocusRing::Install()
{
    static Follower* follower = nullptr;
    if (!follower && qApp)
        follower = new Follower(qApp);
}
