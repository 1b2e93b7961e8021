// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The "Colors" frame of the configuration window: sixteen clickable colour swatches
// (Label13_0 to Label13_15) in an even four-by-four grid.

#include "config/logic/Swatches.h"

#include <QGroupBox>
#include <array>

class QLabel;

class SwatchFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SwatchFrame(QWidget* parent);
    // The colour of swatch i as it stands now.
    double ColourOf(int index) const;
    void SetColour(int index, double colour);

signals:
    void SwatchClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, SwatchCount> Label13{};
};
