// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/PracticeRecord.h"

#include "core/logic/Translated.h"

#include "core/logic/LineFormat.h"

#include <QFile>

namespace {
// The end time's characters in a record.
const QString TimeFormat = QStringLiteral("yyyyMMddHHmm");

QChar LastDigit(int value)
{
    const QString text = QString::number(value);
    return text.at(text.size() - 1);
}

std::optional<int> DigitAt(QStringView packed, int position)
{
    if (packed.size() < position)
        return std::nullopt;
    const QChar c = packed.at(position - 1);
    if (!c.isDigit() || c.unicode() > '9')
        return std::nullopt;
    return c.unicode() - '0';
}

} // namespace

QString PackCount(int count)
{
    // Counts of -1 to -9 keep a leading zero after the sign so they read back.
    if (count < 0 && count > -10)
        return QStringLiteral("-0") + QString::number(-count);
    const QString text = QStringLiteral("00") + QString::number(count);
    return text.right(3);
}

std::optional<int> ReadCount(QStringView field)
{
    const QStringView t = field.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int start = (t.at(0) == QLatin1Char('-') || t.at(0) == QLatin1Char('+')) ? 1 : 0;
    if (start == t.size())
        return std::nullopt;
    for (int i = start; i < t.size(); ++i) {
        if (t.at(i).unicode() < '0' || t.at(i).unicode() > '9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

PracticeFields Definition(const PracticeFields& practice)
{
    return {practice.PracticeOp, practice.TableNum, practice.PracticeMinutes, 0, 0};
}

QString PackPractice(const PracticeFields& fields, const QDateTime& when)
{
    QString r;
    r += LastDigit(fields.PracticeOp);
    r += QChar(75 + fields.TableNum);
    r += LastDigit(fields.PracticeMinutes);
    r += when.toString(TimeFormat);
    r += PackCount(fields.CorrectCount);
    r += PackCount(fields.AttemptCount);
    return r;
}

void UnpackPractice(PracticeFields& fields, QStringView packed)
{
    if (auto op = DigitAt(packed, 1))
        fields.PracticeOp = static_cast<Int16>(*op);
    if (packed.size() >= 2)
        fields.TableNum = static_cast<Int16>(packed.at(1).unicode() - 75);
    if (auto minutes = DigitAt(packed, 3))
        fields.PracticeMinutes = static_cast<Int16>(*minutes == 0 ? 10 : *minutes);
    if (packed.size() >= 18) {
        if (auto right = ReadCount(packed.mid(15, 3)))
            fields.CorrectCount = static_cast<Int16>(*right);
    }
    if (packed.size() >= 21) {
        if (auto attempts = ReadCount(packed.mid(18, 3)))
            fields.AttemptCount = static_cast<Int16>(*attempts);
    }
}

PracticeFields ReadPractice(QStringView packed)
{
    PracticeFields f;
    UnpackPractice(f, packed);
    return f;
}

QDateTime RecordTime(QStringView record)
{
    if (record.size() < 15)
        return {};
    return QDateTime::fromString(record.mid(3, 12).toString(), TimeFormat);
}

QString DefinitionKey(const QString& record)
{
    return record.left(3);
}

bool InSet(QStringView record, const QString& key)
{
    // No key is made per record: a history can hold a great many of them.
    return record.left(3) == key;
}

QString DefinitionKey(const PracticeFields& practice)
{
    return DefinitionKey(PackPractice(practice, QDateTime()));
}

bool AppendScoreRecord(const QString& path, const PracticeFields& practice, const QDateTime& when)
{
    return AppendLine(path, QuoteText(PackPractice(practice, when)));
}

std::optional<QStringList> ReadScoreHistory(const QString& path)
{
    LineReader reader(path, HistoryReadLimit, true);
    if (!reader.IsOpen())
        return std::nullopt;
    return ReadScoreRecords(reader);
}

QStringList ReadScoreRecords(LineReader& in)
{
    QStringList records;
    for (;;) {
        in.SkipBlankLines();
        if (in.AtEnd())
            break;
        const std::optional<QString> record = in.ReadText();
        if (record && record->size() >= PracticeRecordLength)
            records << *record;
    }
    return records;
}

QString OperationName(int op)
{
    return op < 0 || op > 3 ? QString() : Translated("PracticeRecord", OperationCaptions[op]);
}

QString MinutesText(int minutes)
{
    return minutes == 1 ? QCoreApplication::translate("PracticeRecord", "1 minute")
                        : QCoreApplication::translate("PracticeRecord", "%1 minutes").arg(minutes);
}
