// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The program's picture: a bright umbrella with numbers raining around it.
#include "core/ServerSurface.h"

class Artwork : public ServerSurface {
    Q_OBJECT
public:
    // onServer: drawn through the X server, for the picture on the full-screen background.
    explicit Artwork(QWidget* parent = nullptr, bool onServer = false);

signals:
    void Clicked();

protected:
    void Draw(QPainter& p) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
