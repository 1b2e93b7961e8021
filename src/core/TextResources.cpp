// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/TextResources.h"

#include "core/Form.h"
#include "core/logic/Language.h"
#include "core/logic/TextResource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

QString GetTxt(Platform& os, const ProgramSettings& program, int n)
{
    // The messages in the language shown; the English file when that one is cut short.
    const QString translated = LocalizedFile(TextResourceFile, ShownLanguage());
    const QString name = QFileInfo(translated).size() >= TextResourceMinimumSize ? translated : TextResourceFile;
    const QFileInfo info(name);
    if (!info.exists() || info.size() < TextResourceMinimumSize) {
        QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("TextResources", "Aborting"),
                        MissingTextResourceMessage(program.AppPath), QMessageBox::Ok);
        RunNested([&box] { return box.exec(); });
        os.EndProgram();
        return TextSectionError;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return TextSectionError;
    return TextSection(file.readAll(), n);
}

QString ShownText(QString section)
{
    section.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static const QRegularExpression openingBlanks(QStringLiteral("(^|\n) +"));
    return section.replace(openingBlanks, QStringLiteral("\\1"));
}
