#include "core/logic/LineFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

QString QuoteText(const QString& value)
{
    QString safe = value;
    safe.replace(QLatin1Char('"'), QLatin1Char('\''));
    safe.replace(QLatin1String("\r\n"), QLatin1String(" "));
    safe.replace(QLatin1Char('\r'), QLatin1Char(' '));
    safe.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + safe + QLatin1Char('"');
}

QString ColourText(double colour)
{
    if (std::isfinite(colour) && colour == std::floor(colour) && std::fabs(colour) < 1e15)
        return QString::number(static_cast<qint64>(colour));
    return QString::number(colour, 'g', 15);
}

bool IsWindowColour(double colour)
{
    return colour >= 1 && colour <= 16777215;
}

void ShareLikeItsFolder(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.permission(QFileDevice::WriteOther))
        return;
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    QFile file(path);
    if ((file.permissions() & everyone) != everyone)
        file.setPermissions(file.permissions() | everyone);
}

bool WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows here: a buffered one is flushed by
    // commit(), which renames a cut-off file over the good one without a word.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    ShareLikeItsFolder(path);
    return true;
}

bool AppendLine(const QString& path, const QString& line)
{
    QFile file(path);
    // Read access only to look at the last byte (a file we may only write to is appended
    // to unlooked); unbuffered, so the line goes out in one write.
    const auto append = QIODevice::Append | QIODevice::Unbuffered;
    if (!file.open(QIODevice::ReadWrite | append) && !file.open(QIODevice::WriteOnly | append))
        return false;
    const qint64 oldSize = file.size();
    QByteArray bytes = line.toUtf8() + "\r\n";
    char last = 0;
    if (oldSize > 0 && file.seek(oldSize - 1) && file.getChar(&last) && last != '\n' && last != '\r')
        bytes.prepend("\r\n");
    const bool ok = file.write(bytes) == bytes.size();
    if (!ok)
        file.resize(oldSize);
    file.close();
    ShareLikeItsFolder(path);
    return ok && file.error() == QFileDevice::NoError;
}

std::optional<QByteArray> ReadFileLimited(const QString& path, qint64 limit, bool fromEnd)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (!fromEnd || size <= limit)
        return file.read(std::min(size, limit));
    // One byte more than the limit, so a line that starts right at the cut is kept.
    if (!file.seek(size - limit - 1))
        return QByteArray();
    const QByteArray bytes = file.read(limit + 1);
    const qsizetype lineEnd = bytes.indexOf('\n');
    return lineEnd < 0 ? QByteArray() : bytes.mid(lineEnd + 1);
}

void LineWriter::Line(const QString& text)
{
    bytes_ += text.toUtf8();
    bytes_ += "\r\n";
}

void LineWriter::Text(const QString& value) { Line(QuoteText(value)); }
void LineWriter::Int(int value) { Line(QString::number(value)); }
void LineWriter::Colour(double value) { Line(ColourText(value)); }
void LineWriter::Empty() { Line(QString()); }

LineReader::LineReader(const QString& path, qint64 limit, bool fromEnd)
{
    if (auto bytes = ReadFileLimited(path, limit, fromEnd)) {
        Take(std::move(*bytes));
        open_ = true;
    }
}

LineReader LineReader::FromBytes(const QByteArray& bytes)
{
    LineReader r;
    r.Take(bytes);
    r.open_ = true;
    return r;
}

void LineReader::Take(QByteArray bytes)
{
    data_ = std::move(bytes);
    pos_ = data_.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // A byte-order mark says UTF-8 whatever follows.
    latin1_ = pos_ == 0 && !data_.isValidUtf8();
}

void LineReader::SkipBlankLines()
{
    const auto n = data_.size();
    qsizetype p = pos_;
    while (p < n && (data_[p] == ' ' || data_[p] == '\t'))
        ++p;
    while (p < n && (data_[p] == '\r' || data_[p] == '\n')) {
        pos_ = ++p;
        while (p < n && (data_[p] == ' ' || data_[p] == '\t'))
            ++p;
    }
    if (p >= n)
        pos_ = n;
}

std::optional<QByteArrayView> LineReader::NextField()
{
    if (AtEnd())
        return std::nullopt;
    const auto n = data_.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    while (pos_ < n && isBlank(data_[pos_]))
        ++pos_;

    // A view into the file's bytes: no copy is made of each of a long file's values.
    const QByteArrayView data(data_);
    QByteArrayView value;
    lastQuoted_ = pos_ < n && data_[pos_] == '"';
    if (lastQuoted_) {
        const qsizetype close = data_.indexOf('"', pos_ + 1);
        const qsizetype end = close < 0 ? n : close;
        value = data.sliced(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? n : close + 1;
        // Whatever stands after the closing quote up to the delimiter is not part of the value.
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < n && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            ++pos_;
        value = data.sliced(start, pos_ - start).trimmed();
    }
    // Step over the delimiter: a comma, or one line end (CR LF, CR or LF).
    if (pos_ < n && data_[pos_] == ',') {
        ++pos_;
    } else if (pos_ < n && data_[pos_] == '\r') {
        ++pos_;
        if (pos_ < n && data_[pos_] == '\n')
            ++pos_;
    } else if (pos_ < n && data_[pos_] == '\n') {
        ++pos_;
    }
    return value;
}

std::optional<QString> LineReader::ReadText()
{
    auto field = NextField();
    if (!field)
        return std::nullopt;
    return latin1_ ? QString::fromLatin1(*field) : QString::fromUtf8(*field);
}

std::optional<int> LineReader::ReadInt()
{
    auto field = NextField();
    if (!field || field->isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = field->toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value;
}

std::optional<double> LineReader::ReadColour()
{
    auto field = NextField();
    if (!field)
        return std::nullopt;
    if (field->isEmpty())
        return 0.0;
    bool ok = false;
    const double value = field->toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
