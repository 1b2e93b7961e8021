#include "core/logic/LineFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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
    if (!file.open(QIODevice::WriteOnly))
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
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = line.toUtf8() + "\r\n";
    const bool ok = file.write(bytes) == bytes.size();
    file.close();
    ShareLikeItsFolder(path);
    return ok && file.error() == QFileDevice::NoError;
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

LineReader::LineReader(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        data_ = file.readAll();
        open_ = true;
    }
}

LineReader LineReader::FromBytes(const QByteArray& bytes)
{
    LineReader r;
    r.data_ = bytes;
    r.open_ = true;
    return r;
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
    if (pos_ < n && data_[pos_] == '"') {
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
    return QString::fromUtf8(*field);
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
