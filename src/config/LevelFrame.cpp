// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "config/LevelFrame.h"

#include "config/logic/ConfigRules.h"
#include "core/Palette.h"
#include "core/WindowUtils.h"
#include "core/logic/PracticeRecord.h"

#include <QComboBox>

LevelFrame::LevelFrame(QWidget* parent)
    : QGroupBox(tr("Current Level"), parent)
{
    Combo1 = MakeControl<QComboBox>(this, "Combo1", 240, 450, 2640, 465);
    Combo2 = MakeControl<QComboBox>(this, "Combo2", 3060, 450, 1680, 465);
    Combo3 = MakeControl<QComboBox>(this, "Combo3", 4920, 450, 1080, 465);
    for (int op = 0; op < OperationCaptions.size(); ++op)
        Combo1->addItem(OperationName(op));
    Combo2->addItems({tr("All"), tr("Up to"), tr("Just")});
    for (int n = 1; n <= 10; ++n)
        Combo3->addItem(QString::number(n));
    for (QComboBox* list : {Combo1, Combo2, Combo3}) {
        list->setCurrentIndex(-1);
        connect(list, &QComboBox::activated, this, [this, list] { ListClick(list); });
    }
}

void LevelFrame::Preset(const PracticeFields& level)
{
    level_ = level;
    PracticeFields& s = level_;
    kindFlag_ = 0;
    const LevelEntries shown = LevelShown(s.PracticeOp, s.TableNum);
    Select(Combo1, shown.operation);
    if (s.TableNum >= 0) {
        Select(Combo2, KindUpTo);
    } else {
        s.TableNum = static_cast<Int16>(-s.TableNum);
        Select(Combo2, KindJust);
    }
    if (shown.number >= 0) {
        Select(Combo3, shown.number);
    } else {
        Combo3->hide();
        Select(Combo2, KindAll);
    }
}

void LevelFrame::Select(QComboBox* list, int entry)
{
    list->setCurrentIndex(entry);
    ListClick(list);
}

void LevelFrame::ListClick(QComboBox* list)
{
    if (list == Combo1)
        OperationClick();
    else if (list == Combo2)
        KindClick();
    else
        NumberClick();
}

void LevelFrame::OperationClick()
{
    if (Combo1->currentIndex() >= 0)
        level_.PracticeOp = static_cast<Int16>(Combo1->currentIndex());
}

void LevelFrame::KindClick()
{
    switch (Combo2->currentIndex()) {
    case KindAll:
        level_.TableNum = 0;
        Combo3->hide();
        return;
    case KindUpTo:
        kindFlag_ = 1;
        break;
    case KindJust:
        kindFlag_ = 0;
        break;
    default:
        return;
    }
    Combo3->show();
    // After "All" the number list still shows its number; that number is the table again.
    NumberClick();
}

void LevelFrame::NumberClick()
{
    if (Combo3->currentIndex() >= 0)
        level_.TableNum = static_cast<Int16>(Combo3->currentIndex() + 1);
}
