// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "config/logic/ConfigRules.h"

#include "core/logic/PracticeRecord.h"

#include <QCoreApplication>

#include <array>
#include <cstdlib>

namespace {
constexpr std::array<int, 7> CriteriaMinutes{1, 2, 3, 5, 7, 10, 30};
constexpr int LastListedGrade = 6;
} // namespace

std::optional<Criteria> DefaultCriteria(const QString& grade)
{
    bool ok = false;
    const int g = grade.trimmed().toInt(&ok);
    if (!ok || g < 1)
        return std::nullopt;
    const Int16 right = g == 1 ? 10 : g == 2 ? 18 : g == 3 ? 27 : 36;
    return Criteria{right, 7};
}

QStringList MinutesEntries()
{
    QStringList entries;
    for (int m : CriteriaMinutes)
        entries << MinutesText(m);
    return entries;
}

int MinutesEntry(int minutes)
{
    for (std::size_t i = 0; i < CriteriaMinutes.size(); ++i) {
        if (CriteriaMinutes[i] == minutes)
            return static_cast<int>(i);
    }
    return -1;
}

Int16 EntryMinutes(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(CriteriaMinutes.size()))
        return 0;
    return static_cast<Int16>(CriteriaMinutes[entry]);
}

QStringList GradeEntries(const QString& playerGrade)
{
    QStringList entries{QCoreApplication::translate("ConfigRules", "N/A")};
    for (int g = 1; g <= LastListedGrade; ++g)
        entries << QString::number(g);
    if (!playerGrade.isEmpty() && playerGrade != QLatin1String("0") && playerGrade != NoGrade
        && !entries.contains(playerGrade))
        entries << playerGrade;
    return entries;
}

int GradeEntry(const QStringList& entries, const QString& playerGrade)
{
    if (playerGrade == QLatin1String("0") || playerGrade == NoGrade)
        return 0;
    return static_cast<int>(entries.indexOf(playerGrade));
}

QString SavedGrade(int entry, const QString& shown)
{
    return entry == 0 ? NoGrade : shown;
}

LevelEntries LevelShown(Int16 practiceOp, Int16 tableNum)
{
    LevelEntries e;
    e.operation = practiceOp >= 0 && practiceOp <= 3 ? practiceOp : 0;
    if (tableNum == 0 || tableNum < -10 || tableNum > 10) {
        e.kind = KindAll;
        return e;
    }
    e.kind = tableNum > 0 ? KindUpTo : KindJust;
    e.number = std::abs(static_cast<int>(tableNum)) - 1;
    return e;
}

Int16 SavedTable(Int16 tableNum, Int16 kindFlag)
{
    const auto magnitude = static_cast<Int16>(std::abs(static_cast<int>(tableNum)));
    return kindFlag == 0 ? static_cast<Int16>(-magnitude) : magnitude;
}

std::optional<Int16> ReadCriterion(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok || value > MaxCriterion)
        return std::nullopt;
    return static_cast<Int16>(value);
}

CriteriaCheck CheckCriteria(const QString& text1, const QString& text2)
{
    CriteriaCheck check;
    check.text2 = text2;
    auto refuse = [&check](int box, const QString& message) {
        check.refusedBox = box;
        check.message = message;
        return check;
    };
    if (text1.trimmed().isEmpty())
        return refuse(1, QCoreApplication::translate("ConfigRules", "Please set Advancement Criteria"));
    const auto right = ReadCriterion(text1);
    if (!right)
        return refuse(1, QCoreApplication::translate("ConfigRules", "Please type the number of problems right as a "
                                                                    "whole number from 0 to 999."));
    if (text2.trimmed().isEmpty())
        check.text2 = QStringLiteral("7");
    const auto practices = ReadCriterion(check.text2);
    if (!practices)
        return refuse(2, QCoreApplication::translate("ConfigRules", "Please type the number of exercises as a whole "
                                                                    "number from 0 to 999."));
    check.values = Criteria{*right, *practices};
    return check;
}
