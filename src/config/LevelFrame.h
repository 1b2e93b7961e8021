// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The "Current Level" frame of the configuration window: operation, kind and number
// lists (Combo1 to Combo3). Its click rules keep the frame's own working level in step
// with what the lists show.

#include "core/logic/PracticeRecord.h"

#include <QGroupBox>

class QComboBox;

class LevelFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit LevelFrame(QWidget* parent);
    // Shows a level, selecting each entry from code as the user would.
    void Preset(const PracticeFields& level);
    // The level as the lists show it; the table's sign is not yet the kind's.
    const PracticeFields& Level() const { return level_; }
    // 1 for "Up to", 0 for "Just".
    Int16 KindFlag() const { return kindFlag_; }

private:
    void Select(QComboBox* list, int entry);
    void ListClick(QComboBox* list);
    void OperationClick();
    void KindClick();
    void NumberClick();

    Int16 kindFlag_ = 0;
    PracticeFields level_;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
};
