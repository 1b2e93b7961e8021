// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "help/LoadDocumentation.h"

#include "core/App.h"
#include "help/HUTIL2.h"
#include "help/logic/Documentation.h"
#include "mainwin/M_Boxx.h"

#include <QFile>

bool LoadDocumentation()
{
    QFile file(DocFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (HUTIL2* viewer = Forms::Find<HUTIL2>())
            viewer->Unload();
        ShowMessage(DocMissingMessage);
        return false;
    }
    Shared().DocText = DocumentationText(file.readAll());
    return true;
}
