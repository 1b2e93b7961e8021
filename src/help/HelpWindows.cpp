// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/HelpWindows.h"

#include "core/MessageBoxes.h"
#include "core/WindowUtils.h"
#include "core/logic/Language.h"
#include "help/HUTIL2.h"
#include "help/HUTIL3.h"

#include <QCoreApplication>
#include <QFile>

bool HelpWindows::LoadDocumentation()
{
    QFile file(LocalizedFile(DocFileName, ShownLanguage()));
    if (!file.open(QIODevice::ReadOnly)) {
        if (HUTIL2* viewer = LoadedViewer())
            viewer->Unload();
        services_.boxes.ShowMessage(QCoreApplication::translate("Documentation", DocMissingMessage));
        return false;
    }
    state_.DocText = DocumentationText(file.readAll());
    return true;
}

HUTIL2* HelpWindows::LoadedViewer() const
{
    return viewer_ && !viewer_->IsUnloaded() ? viewer_.data() : nullptr;
}

HUTIL3* HelpWindows::LoadedContents() const
{
    return contents_ && !contents_->IsUnloaded() ? contents_.data() : nullptr;
}

HUTIL2* HelpWindows::Viewer()
{
    if (HUTIL2* viewer = LoadedViewer())
        return viewer;
    viewer_ = LoadForm(new HUTIL2(services_, *this, background_));
    return viewer_;
}

void HelpWindows::ShowContents()
{
    if (!LoadedContents()) {
        contents_ = LoadForm(new HUTIL3(services_, *this, background_));
    }
    ShowAndWait(contents_);
}

void HelpWindows::ShowTopic(QWidget* opener, const QString& topic)
{
    LoadDocumentation();
    state_.HelpSearchText = topic;
    ShowOverAndWait(opener, Viewer());
}
