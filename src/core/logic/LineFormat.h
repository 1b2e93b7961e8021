// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// The one-value-per-line format of every data file: text between double quotes with
// nothing escaped, integers in decimal, colours as decimal numbers, empty values as
// empty lines, each line ended by CR LF.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <optional>

// A text value between double quotes. A double quote or a line break inside the value
// would end it early and shift every value after it, so they are replaced.
QString QuoteText(const QString& value);
// A colour as written: whole numbers as plain digits, others with "." as decimal point.
QString ColourText(double colour);
// Whether a colour read from a file can colour the windows: 1 to 16777215 (white). 0, or an
// empty line, means that none was stored; a number outside is no colour either.
bool IsWindowColour(double colour);

// Writes a whole file so that a crash never leaves it half written or missing: a new
// temporary file beside the target is written, flushed to disk and renamed over the
// target. A link at the target is replaced, never written through. In a folder that others
// may write (the players' folder shared through a group), the new file is writable by them.
bool WriteFileAtomic(const QString& path, const QByteArray& bytes);
// Removes from the folder the temporary files of whole-file saves that were cut off (a kill,
// a power cut), those older than a minute only: another copy of the program sharing the
// folder over a network may be in the middle of a save.
void RemoveLeftoverSaves(const QString& folder, const QDateTime& now);
// True for the name of such a temporary file: NAME.nbr-new-PID-COUNT.
bool IsLeftoverSave(const QString& name);
// Appends one line (and CR LF) to a file, creating it when absent, flushes it to disk and
// closes the file again. A last line left without its line end (another editor, a full
// disk) is ended first, so the new line never runs into it; a line that cannot be written
// whole is taken back. A link at the path, or anything but a plain file, is refused; with
// onlyOwnFile, so is a file of another user, and a file it creates is for its user alone.
bool AppendLine(const QString& path, const QString& line, bool onlyOwnFile = false);
// The same for several lines, written in one piece: all of them are in the file or none.
bool AppendLines(const QString& path, const QStringList& lines, bool onlyOwnFile = false);

// Data files are small. A file past these sizes is damaged or foreign, and only that much
// of it is read, so it can neither stall the program nor fill its memory: the first part
// of a one-value-per-line file, the last part of a score history (its newest records).
constexpr qint64 ValueFileReadLimit = 4 << 20;
constexpr qint64 HistoryReadLimit = 16 << 20;
// The file's bytes up to the limit, from its start or, with fromEnd, from the first line
// that starts within its last `limit` bytes; nothing when it cannot be opened or is a link
// of another user (only the administrator's links and the user's own are followed).
// A link that another user planted in a folder every user may write, pointing at a private
// file: read, its lines would be saved back where that user can read them. Links of the
// administrator (the package's links to the shipped files) and of the user are followed.
bool LinkOfAnotherUser(const QString& path);
std::optional<QByteArray> ReadFileLimited(const QString& path, qint64 limit, bool fromEnd = false);
// Opens a data file for reading without ever waiting: a named pipe, a device or a folder at
// its place is refused, never opened for good. On failure `why` (when given) says so in a
// few words for a grown-up, in the reader's language: "does not exist", "is not a plain file",
// "cannot be read (...)".
bool OpenPlainFile(QFile& file, const QString& path, QString* why = nullptr);
// The `why` of a file that is not there.
QString FileMissing();

// Builds a file line by line, then writes it whole.
class LineWriter {
public:
    void Text(const QString& value);
    void Int(int value);
    void Colour(double value);
    void Empty();
    const QByteArray& Bytes() const { return bytes_; }
    bool Save(const QString& path) const { return WriteFileAtomic(path, bytes_); }

private:
    void Line(const QString& text);
    QByteArray bytes_;
};

// Reads the values of a file one after another. A value ends at the closing quote of a
// quoted value, otherwise at a comma or the line end; blanks before a value are skipped.
// A UTF-8 byte-order mark at the start (left by some editors) is not part of the first value.
// Text is UTF-8; a file that is not valid UTF-8 was written by an older program in Latin-1
// and is read as such, so its names keep their letters.
class LineReader {
public:
    explicit LineReader(const QString& path, qint64 limit = ValueFileReadLimit, bool fromEnd = false);
    // For text already in memory.
    static LineReader FromBytes(const QByteArray& bytes);

    bool IsOpen() const { return open_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

    // Each returns nothing when no value is left or the value is not of the kind asked.
    std::optional<QString> ReadText();
    // Whether the value read last stood between double quotes.
    bool LastWasQuoted() const { return lastQuoted_; }
    // A 16-bit whole number; an empty field, other text or a number out of range fail.
    std::optional<int> ReadInt();
    // A colour; an empty field reads as 0.
    std::optional<double> ReadColour();
    // Passes over lines holding nothing but blanks, for files whose values are never empty.
    void SkipBlankLines();

private:
    LineReader() = default;
    void Take(QByteArray bytes);
    std::optional<QByteArrayView> NextField();

    QByteArray data_;
    qsizetype pos_ = 0;
    bool open_ = false;
    bool lastQuoted_ = false;
    bool latin1_ = false;
};
