// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Writes the shipped tunes: for each, "<name>.mid" and "<name>.txt" (the title on the first
// line, then a few sentences about the piece), plain ASCII with CR LF line ends.
//   numbrella_tunes <folder>

#include "core/logic/LineFormat.h"
#include "tunes/TuneBook.h"

#include <QDir>
#include <cstdio>
#include <stdexcept>

namespace {
bool IsPlainAscii(const QByteArray& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 126 || (static_cast<unsigned char>(c) < 32 && c != '\r' && c != '\n'))
            return false;
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: numbrella_tunes <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        for (const Tune& tune : TuneBook()) {
            const Arrangement arranged = ArrangeTune(tune);
            const QByteArray text = QByteArray(tune.title) + "\r\n" + QByteArray(tune.about) + "\r\n";
            if (arranged.seconds < 30 || arranged.seconds > 90)
                throw std::runtime_error(std::string(tune.file) + " lasts " + std::to_string(arranged.seconds) + " seconds");
            if (!IsPlainAscii(text))
                throw std::runtime_error(std::string(tune.file) + ": the text is not plain ASCII");
            const QString name = QString::fromLatin1(tune.file);
            if (!WriteFileAtomic(folder.filePath(name + QStringLiteral(".mid")), arranged.midi)
                || !WriteFileAtomic(folder.filePath(name + QStringLiteral(".txt")), text))
                throw std::runtime_error(std::string(tune.file) + ": cannot write into " + argv[1]);
            std::printf("%-14s %5.1f s  %s\n", tune.file, arranged.seconds, tune.title);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "numbrella_tunes: %s\n", e.what());
        return 1;
    }
    return 0;
}
