// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "scores/FaceSizes.h"

#include "core/Form.h"
#include "core/WindowUtils.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace {
// Between the window's frame and the edges of the screen's free area.
constexpr int ScreenMargin = 240;
// The desktop's frame round a window not shown yet, whose frame is not known.
constexpr int GuessedFrameWidth = 120;
constexpr int GuessedFrameHeight = 600;
} // namespace

FaceSizes::FaceSizes(Form& window, QString file)
    : window_(window)
    , file_(std::move(file))
    , sizes_(ReadProgressSizes(file_))
{
}

void FaceSizes::Take(bool children, QSize natural)
{
    const int face = children ? 1 : 0;
    if (face == face_)
        return;
    Note();
    face_ = face;
    const QSize chosen = children ? sizes_.Children : sizes_.Grids;
    QSize want = chosen.isEmpty() ? natural : QSize(TwipsToPixels(chosen.width()), TwipsToPixels(chosen.height()));
    QSize frame = window_.frameGeometry().size() - window_.size();
    if (!window_.isVisible() || frame.isEmpty())
        frame = QSize(TwipsToPixels(GuessedFrameWidth), TwipsToPixels(GuessedFrameHeight));
    const QRect room = (window_.screen() ? window_.screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize margin(TwipsToPixels(2 * ScreenMargin), TwipsToPixels(2 * ScreenMargin));
    want = want.boundedTo(room.size() - frame - margin).expandedTo(window_.minimumSize());
    given_ = want;
    window_.resize(want);
    if (!window_.isVisible() || DesktopPlacesWindows())
        return;
    // Centred, a little above the middle as every window, but with its frame on the screen.
    CentreForm(&window_);
    const QRect outer = window_.frameGeometry();
    const QPoint inside(std::clamp(outer.left(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())),
                        std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
    window_.move(window_.pos() + inside - outer.topLeft());
}

void FaceSizes::Note()
{
    if (face_ < 0 || !window_.isVisible() || window_.size() == given_)
        return;
    (face_ == 1 ? sizes_.Children : sizes_.Grids) = QSize(window_.Width(), window_.Height());
    changed_ = true;
    given_ = window_.size();
}

void FaceSizes::Keep()
{
    Note();
    if (changed_)
        SaveProgressSizes(file_, sizes_);
}
