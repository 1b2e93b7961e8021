// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/FactsFile.h"

#include "core/logic/LineFormat.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {
constexpr char TimeFormat[] = "yyyyMMddHHmmss";
constexpr int OlderFieldCount = 6;
constexpr int FieldCount = 7;
constexpr int ShownMark = 2;
// Longer than any line the program writes, with room for blanks: a longer one is damage.
constexpr qsizetype LongestLine = 120;

bool InTable(int n) { return n >= 1 && n <= 10; }

// A whole number of digits only, at most five of them.
std::optional<int> Digits(QByteArrayView field)
{
    field = field.trimmed();
    if (field.isEmpty() || field.size() > 5)
        return std::nullopt;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The number typed: an optional minus, then one to five digits, within 16 bits.
std::optional<Int16> Typed(QByteArrayView field)
{
    field = field.trimmed();
    const bool minus = field.startsWith('-');
    const std::optional<int> digits = Digits(minus ? field.sliced(1) : field);
    if (!digits)
        return std::nullopt;
    const int value = minus ? -*digits : *digits;
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max())
        return std::nullopt;
    return static_cast<Int16>(value);
}

std::optional<QDateTime> Time(QByteArrayView field)
{
    field = field.trimmed();
    if (field.size() != 16 || field.front() != '"' || field.back() != '"')
        return std::nullopt;
    int n[6] = {};
    const int widths[6] = {4, 2, 2, 2, 2, 2};
    qsizetype pos = 1;
    for (int i = 0; i < 6; ++i) {
        const auto part = Digits(field.sliced(pos, widths[i]));
        if (!part)
            return std::nullopt;
        n[i] = *part;
        pos += widths[i];
    }
    const QDate date(n[0], n[1], n[2]);
    const QTime time(n[3], n[4], n[5]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return WallClock(date, time);
}

} // namespace

QDateTime WallClock(const QDate& date, const QTime& time)
{
    // Local time would look up the time zone for every line: most of the reading of a long file.
    return QDateTime(date, QTime(time.hour(), time.minute(), time.second()), Qt::UTC);
}

std::optional<FactAnswer> ReadFactLine(QByteArrayView line)
{
    if (line.size() > LongestLine)
        return std::nullopt;
    QByteArrayView fields[FieldCount];
    int count = 0;
    for (qsizetype start = 0;;) {
        const qsizetype comma = line.indexOf(',', start);
        if (count == FieldCount)
            return std::nullopt; // a value too many
        fields[count++] = line.sliced(start, (comma < 0 ? line.size() : comma) - start);
        if (comma < 0)
            break;
        start = comma + 1;
    }
    if (count != FieldCount && count != OlderFieldCount)
        return std::nullopt;
    int n[5] = {};
    for (int i = 0; i < 5; ++i) {
        const auto value = Digits(fields[i]);
        if (!value)
            return std::nullopt;
        n[i] = *value;
    }
    const std::optional<int> expected = ExpectedAnswer(n[0], n[1], n[2]);
    const int mark = n[3];
    if (!expected || mark > (count == FieldCount ? ShownMark : 1) || n[4] > MaxFactTenths)
        return std::nullopt;
    const std::optional<QDateTime> when = Time(fields[5]);
    if (!when)
        return std::nullopt;
    FactAnswer answer{static_cast<Int16>(n[0]), static_cast<Int16>(n[1]), static_cast<Int16>(n[2]), mark == 1,
                      static_cast<Int16>(n[4]), *when, mark == ShownMark, std::nullopt};
    if (count == FieldCount) {
        if (answer.Shown) {
            if (!fields[6].trimmed().isEmpty())
                return std::nullopt;
        } else {
            answer.Given = Typed(fields[6]);
            if (!answer.Given || (*answer.Given == *expected) != answer.Right)
                return std::nullopt;
        }
    }
    return answer;
}

std::optional<int> ExpectedAnswer(int op, int first, int second)
{
    if (!TableAndPartner(op, first, second))
        return std::nullopt;
    switch (op) {
    case 0: return first + second;
    case 1: return first - second;
    case 2: return first * second;
    default: return first / second;
    }
}

std::optional<TablePartner> TableAndPartner(int op, int first, int second)
{
    int table = 0, partner = 0;
    switch (op) {
    case 0:
    case 2:
        table = first, partner = second;
        break;
    case 1:
        table = second, partner = first - second;
        break;
    case 3:
        if (second < 1 || first % second != 0)
            return std::nullopt;
        table = second, partner = first / second;
        break;
    default:
        return std::nullopt;
    }
    if (!InTable(table) || !InTable(partner))
        return std::nullopt;
    return TablePartner{static_cast<Int16>(table), static_cast<Int16>(partner)};
}

QString FactLine(const FactAnswer& answer)
{
    const char mark = answer.Right ? '1' : (answer.Shown ? static_cast<char>('0' + ShownMark) : '0');
    QString line = QString::number(answer.Op) + QLatin1Char(',') + QString::number(answer.First) + QLatin1Char(',')
        + QString::number(answer.Second) + QLatin1Char(',') + QLatin1Char(mark) + QLatin1Char(',')
        + QString::number(answer.Tenths) + QLatin1Char(',') + QuoteText(answer.When.toString(QLatin1String(TimeFormat)));
    if (answer.Shown)
        line += QLatin1Char(',');
    else if (answer.Given)
        line += QLatin1Char(',') + QString::number(*answer.Given);
    return line;
}

QList<FactAnswer> ReadFactLines(QByteArrayView bytes)
{
    QList<FactAnswer> answers;
    answers.reserve(bytes.size() / 28); // the shortest line
    const qsizetype n = bytes.size();
    for (qsizetype start = 0; start < n;) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end > start) {
            if (auto answer = ReadFactLine(bytes.sliced(start, end - start)))
                answers << *answer;
        }
        start = end + 1;
    }
    return answers;
}

std::optional<QList<FactAnswer>> ReadFactsFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadFileLimited(path, HistoryReadLimit, true);
    if (!bytes)
        return std::nullopt;
    return ReadFactLines(*bytes);
}

bool AppendFacts(const QString& path, const QList<FactAnswer>& answers)
{
    if (answers.isEmpty())
        return true;
    QStringList lines;
    lines.reserve(answers.size());
    for (const FactAnswer& answer : answers)
        lines << FactLine(answer);
    return AppendLines(path, lines);
}
