// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "app/MenuBarStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace {

// An icon of the style read when it is first drawn or measured.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style)
        , which_(which)
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Real().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(style_, which_); }

private:
    const QIcon& Real()
    {
        if (real_.isNull() && style_)
            real_ = style_->standardIcon(which_);
        return real_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon real_;
};

} // namespace

QIcon MenuBarStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        if (!option)
            return QIcon(new DeferredIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}
