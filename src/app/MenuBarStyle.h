// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The application's style, the platform's own with one difference: the icon of the menu
// bar's overflow button (shown only when the menu bar is too narrow for its entries) is
// read the first time it is drawn. Reading it makes Qt load every image-format plugin,
// which a start of the program otherwise never needs.
#include <QProxyStyle>

class MenuBarStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
};
