// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/MessageBoxes.h"

#include "core/M_Boxx.h"
#include "core/WindowUtils.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/Translated.h"

void MessageBoxes::SetServices(const Services* services, QWidget* background)
{
    services_ = services;
    background_ = background;
}

M_Boxx* MessageBoxes::Box()
{
    if (!box_ || box_->IsUnloaded()) {
        box_ = LoadForm(new M_Boxx(*services_, program_, background_));
    }
    return box_;
}

int MessageBoxes::Show(const QString& text, bool question)
{
    QPointer<M_Boxx> box = Box();
    // Owned by the window the child works in, so the desktop gives that one the focus back.
    if (Form* owner = WorkingWindow(); owner && owner != box && box->parentWidget() != owner)
        box->setParent(owner, box->windowFlags());
    box->SetMessage(text, question);
    ShowModal(box);
    return box ? box->Answer() : 0;
}

void MessageBoxes::ShowMessage(const QString& text)
{
    Show(text, false);
}

int MessageBoxes::AskYesNo(const QString& question)
{
    return Show(question, true) == 3 ? 1 : 0;
}

void MessageBoxes::TellIfNotListed(PlayerSave result)
{
    if (result == PlayerSave::NotListed)
        ShowMessage(Translated("MessageBoxes", NotListedMessage));
}
