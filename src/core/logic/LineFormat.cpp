// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "core/logic/LineFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {
// What a whole-file save adds to its target's name for the temporary file it writes first
// ("Players.nbr-new-4711-0": process id, then a count), so that one left behind by a
// save cut off can be told from every other file and removed at the next start.
constexpr char TempMark[] = ".nbr-new-";
constexpr qint64 LeftoverAgeSecs = 60;

bool WriteAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t n = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // a full disk
        bytes = bytes.sliced(n);
    }
    return true;
}

// A file the program has just created in a folder that others may write (the players'
// folder, shared through a group) gets the folder's group and other write rights, with the
// read rights that go with them; a file that was already there keeps its mode.
void ShareLikeItsFolder(int fd, const QByteArray& folder)
{
    struct stat dir {}, file {};
    if (::stat(folder.constData(), &dir) != 0 || ::fstat(fd, &file) != 0)
        return;
    const mode_t shared = dir.st_mode & (S_IWGRP | S_IWOTH);
    const mode_t mode = (file.st_mode & 0777) | shared | (shared << 1);
    if (mode != (file.st_mode & 0777))
        ::fchmod(fd, mode);
}

QByteArray FolderOf(const QString& path) { return QFile::encodeName(QFileInfo(path).absolutePath()); }

} // namespace

bool LinkOfAnotherUser(const QString& path)
{
    struct stat link {};
    return ::lstat(QFile::encodeName(path).constData(), &link) == 0 && S_ISLNK(link.st_mode)
        && link.st_uid != 0 && link.st_uid != ::geteuid();
}

bool WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
    // The temporary file is created new (never one that is there, never through a link),
    // then renamed over the path itself: a link standing at the path is replaced, and
    // whatever it pointed at is left alone.
    static int count = 0;
    const QByteArray target = QFile::encodeName(path), folder = FolderOf(path);
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = target + TempMark + QByteArray::number(::getpid()) + '-' + QByteArray::number(count++);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    ShareLikeItsFolder(fd, folder);
    const bool written = WriteAll(fd, bytes) && ::fdatasync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    // The new name, too, must reach the disk before a power cut can bring the old file back.
    if (const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool IsLeftoverSave(const QString& name)
{
    // NAME.nbr-new-PID-COUNT: after the last mark, digits, a dash, digits, and nothing more.
    const QLatin1String mark(TempMark);
    const qsizetype at = name.lastIndexOf(mark);
    if (at < 0)
        return false;
    const QStringView rest = QStringView(name).mid(at + mark.size());
    const qsizetype dash = rest.indexOf(QLatin1Char('-'));
    const auto digits = [](QStringView part) {
        return !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return dash > 0 && digits(rest.left(dash)) && digits(rest.mid(dash + 1));
}

void RemoveLeftoverSaves(const QString& folder, const QDateTime& now)
{
    // Matched by hand rather than by a name filter, which would compile a pattern at every start.
    const auto found = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& file : found)
        if (IsLeftoverSave(file.fileName()) && file.lastModified().secsTo(now) > LeftoverAgeSecs)
            QFile::remove(file.filePath());
}

bool AppendLine(const QString& path, const QString& line, bool onlyOwnFile)
{
    return AppendLines(path, {line}, onlyOwnFile);
}

bool AppendLines(const QString& path, const QStringList& lines, bool onlyOwnFile)
{
    // Never through a link (O_NOFOLLOW refuses one) and only into a plain file of one name:
    // no fifo that would block, no second name of another file. Read access only to look at
    // the last byte (a file we may only write to is appended to unlooked).
    const QByteArray name = QFile::encodeName(path);
    const int flags = O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    // A file only its user may change (the log) is created for that user alone.
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | flags, onlyOwnFile ? 0600 : 0666);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST)
        fd = ::open(name.constData(), O_RDWR | flags);
    if (!created && fd < 0 && errno == EACCES)
        fd = ::open(name.constData(), O_WRONLY | flags);
    if (fd < 0)
        return false;
    struct stat file {};
    bool ok = ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode) && file.st_nlink == 1
        && (!onlyOwnFile || file.st_uid == ::geteuid());
    if (ok) {
        if (created && !onlyOwnFile)
            ShareLikeItsFolder(fd, FolderOf(path));
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        char last = 0;
        if (file.st_size > 0 && ::pread(fd, &last, 1, file.st_size - 1) == 1 && last != '\n' && last != '\r')
            bytes.prepend("\r\n");
        // On the disk before success is told, so a power cut cannot take the line back.
        ok = WriteAll(fd, bytes) && ::fdatasync(fd) == 0;
        if (!ok) {
            // A line that cannot be written whole is taken back. Should even that fail, the
            // reader skips a broken last line; the failure is told either way.
            [[maybe_unused]] const int takenBack = ::ftruncate(fd, file.st_size);
        }
    }
    return ::close(fd) == 0 && ok;
}

QString FileMissing()
{
    return QCoreApplication::translate("LineFormat", "does not exist");
}

bool OpenPlainFile(QFile& file, const QString& path, QString* why)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (LinkOfAnotherUser(path))
        return fail(QCoreApplication::translate("LineFormat", "is a link of another user"));
    // Non-blocking, so that a named pipe planted at the path cannot hold the program up.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        struct stat place {};
        if (error == ENOENT && ::lstat(QFile::encodeName(path).constData(), &place) != 0)
            return fail(FileMissing());
        if (error == ENOENT)
            return fail(QCoreApplication::translate("LineFormat", "is a link to nothing"));
        return fail(QCoreApplication::translate("LineFormat", "cannot be read (%1)")
                        .arg(QString::fromLocal8Bit(std::strerror(error))));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(QCoreApplication::translate("LineFormat", "is not a plain file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QCoreApplication::translate("LineFormat", "cannot be read"));
    }
    return true;
}

std::optional<QByteArray> ReadFileLimited(const QString& path, qint64 limit, bool fromEnd)
{
    QFile file;
    if (!OpenPlainFile(file, path))
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
