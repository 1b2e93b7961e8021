// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/PlayerOptions.h"

#include "core/logic/LineFormat.h"
#include "core/logic/PlayerFiles.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}
} // namespace

std::optional<QString> PlayerOptions::Value(const QString& name) const
{
    for (const auto& [n, v] : values_) {
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return v;
    }
    return std::nullopt;
}

void PlayerOptions::Set(const QString& name, const QString& value)
{
    for (auto& [n, v] : values_) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            v = OneLine(value);
            return;
        }
    }
    values_.append({name, OneLine(value)});
}

void PlayerOptions::Unset(const QString& name)
{
    values_.removeIf([&name](const auto& option) { return option.first.compare(name, Qt::CaseInsensitive) == 0; });
}

std::optional<bool> PlayerOptions::Flag(const QString& name) const
{
    const std::optional<QString> v = Value(name);
    if (v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("0"))
        return false;
    return std::nullopt;
}

void PlayerOptions::ChooseFlag(const QString& name, bool on, bool byDefault)
{
    if (Value(name) || on != byDefault)
        SetFlag(name, on);
}

PlayerOptions ReadPlayerOptions(const QByteArray& bytes)
{
    QByteArray data = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QString text = data.isValidUtf8() ? QString::fromUtf8(data) : QString::fromLatin1(data);
    PlayerOptions options;
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    for (const QString& line : text.split(lineEnd, Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = line.left(equals).trimmed();
        if (equals > 0 && !name.isEmpty())
            options.Set(name, line.mid(equals + 1));
    }
    return options;
}

QByteArray PlayerOptionsBytes(const PlayerOptions& options)
{
    QByteArray bytes;
    for (const auto& [name, value] : options.Values())
        bytes += (name + QLatin1Char('=') + value).toUtf8() + "\r\n";
    return bytes;
}

QString PlayerOptionsFile(const QString& fileId)
{
    return fileId + QStringLiteral(".opt");
}

PlayerOptions LoadPlayerOptions(const QString& fileId)
{
    if (!IsPlayerKey(fileId))
        return {};
    return ReadPlayerOptions(ReadFileLimited(PlayerOptionsFile(fileId), ValueFileReadLimit).value_or(QByteArray()));
}

bool WritePlayerOptions(const QString& fileId, const PlayerOptions& options)
{
    return IsPlayerKey(fileId) && WriteFileAtomic(PlayerOptionsFile(fileId), PlayerOptionsBytes(options));
}

bool BigDrillByDefault(const QString& grade, int screenWidthPixels)
{
    bool number = false;
    const int g = grade.trimmed().toInt(&number);
    return screenWidthPixels >= BigDrillScreenWidth || !number || g <= 2;
}
