// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "tunes/Arranger.h"

#include "tunes/Score.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>
#include <stdexcept>

namespace {
struct Note {
    int offset; // ticks from the start of its bar
    int length;
    int key; // -1 for a rest
};

using Bar = std::vector<Note>;

[[noreturn]] void Fail(const Tune& tune, const QString& what)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(QLatin1String(tune.file), what).toStdString());
}

int PitchClass(QChar letter, const QString& accidental)
{
    static const std::map<QChar, int> naturals{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    int pc = naturals.at(letter);
    if (accidental == QLatin1String("#"))
        ++pc;
    else if (accidental == QLatin1String("b"))
        --pc;
    return pc;
}

int Length(const QString& letter, bool dotted)
{
    static const std::map<QString, int> lengths{{"w", 4 * Tpq}, {"h", 2 * Tpq}, {"q", Tpq}, {"e", Tpq / 2}, {"s", Tpq / 4}};
    const int ticks = lengths.at(letter);
    return dotted ? ticks * 3 / 2 : ticks;
}

QStringList Groups(const char* text)
{
    QStringList groups = QString::fromLatin1(text).split(QLatin1Char('|'));
    while (!groups.isEmpty() && groups.last().trimmed().isEmpty())
        groups.removeLast();
    return groups;
}

std::vector<Bar> ReadMelody(const Tune& tune, const char* text)
{
    static const QRegularExpression note(QStringLiteral("^(?:([A-G])([#b]?)(\\d)|r)([whqes])(\\.?)$"));
    std::vector<Bar> bars;
    for (const QString& group : Groups(text)) {
        Bar bar;
        int offset = 0;
        for (const QString& token : group.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch m = note.match(token);
            if (!m.hasMatch())
                Fail(tune, QStringLiteral("cannot read the note \"%1\"").arg(token));
            const int length = Length(m.captured(4), !m.captured(5).isEmpty());
            int key = -1;
            if (!m.captured(1).isEmpty())
                key = 12 * (m.captured(3).toInt() + 1) + PitchClass(m.captured(1).at(0), m.captured(2));
            bar.push_back(Note{offset, length, key});
            offset += length;
        }
        if (offset != tune.beatsPerBar * Tpq)
            Fail(tune, QStringLiteral("bar %1 holds %2 beats").arg(bars.size() + 1).arg(offset / double(Tpq)));
        bars.push_back(bar);
    }
    return bars;
}

Chord ReadChord(const Tune& tune, const QString& name, int offset, int length)
{
    static const QRegularExpression chord(QStringLiteral("^([A-G])([#b]?)(m7|m|7|dim)?$"));
    const QRegularExpressionMatch m = chord.match(name);
    if (!m.hasMatch())
        Fail(tune, QStringLiteral("cannot read the chord \"%1\"").arg(name));
    static const std::map<QString, std::vector<int>> shapes{
        {"", {0, 4, 7}}, {"m", {0, 3, 7}}, {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}}, {"dim", {0, 3, 6}}};
    return Chord{offset, length, (PitchClass(m.captured(1).at(0), m.captured(2)) + 12) % 12, shapes.at(m.captured(3))};
}

std::vector<ChordBar> ReadChords(const Tune& tune, const char* text)
{
    const int barTicks = tune.beatsPerBar * Tpq;
    std::vector<ChordBar> bars;
    for (const QString& group : Groups(text)) {
        const QStringList names = group.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (names.isEmpty() || barTicks % names.size() != 0)
            Fail(tune, QStringLiteral("chord bar %1 cannot be shared out").arg(bars.size() + 1));
        const int length = barTicks / static_cast<int>(names.size());
        ChordBar bar;
        for (int i = 0; i < names.size(); ++i)
            bar.push_back(ReadChord(tune, names[i], i * length, length));
        bars.push_back(bar);
    }
    if (bars.empty())
        Fail(tune, QStringLiteral("a section has no chords"));
    return bars;
}

} // namespace

Arrangement ArrangeTune(const Tune& tune)
{
    if (tune.verses.empty())
        Fail(tune, QStringLiteral("no verses"));
    std::vector<std::vector<Bar>> melodies;
    std::vector<std::vector<ChordBar>> chords;
    for (const Section& s : tune.sections) {
        melodies.push_back(ReadMelody(tune, s.melody));
        chords.push_back(ReadChords(tune, s.chords));
    }
    const int barTicks = tune.beatsPerBar * Tpq;
    Score score(tune);
    int tick = 0;
    const Verse& first = tune.verses.front();
    double tempo = first.tempo > 0 ? first.tempo : tune.tempo;
    score.Tempo(0, tempo);
    for (std::size_t j = 0; j < first.layers.size(); ++j)
        score.Instrument(Score::LayerChannel(first.layers, j), 0, first.layers[j].program, PanOf(first.layers[j].part));
    for (int i = 0; i < tune.introBars; ++i, tick += barTicks) {
        const Chord opening = chords.at(first.section).front().front();
        const ChordBar bar{Chord{0, barTicks, opening.root, opening.intervals}};
        for (std::size_t j = 0; j < first.layers.size(); ++j)
            score.LayerBar(Score::LayerChannel(first.layers, j), first.layers[j], tick, bar);
    }

    const ChordBar* lastChords = nullptr;
    for (const Verse& verse : tune.verses) {
        if (verse.voices.size() > 4 || verse.layers.size() > 5)
            Fail(tune, QStringLiteral("too many parts in a verse"));
        const std::vector<Bar>& melody = melodies.at(verse.section);
        const std::vector<ChordBar>& harmony = chords.at(verse.section);
        tempo = verse.tempo > 0 ? verse.tempo : tune.tempo;
        score.Tempo(tick, tempo);
        int verseBars = 0;
        for (std::size_t i = 0; i < verse.voices.size(); ++i) {
            const Voice& voice = verse.voices[i];
            const int channel = static_cast<int>(i);
            score.Instrument(channel, tick, voice.program, i == 0 ? 64 : (i % 2 ? 84 : 44));
            const int bars = static_cast<int>(melody.size());
            verseBars = std::max(verseBars, voice.delayBars + verse.repeats * bars);
            for (int r = 0; r < verse.repeats; ++r) {
                for (int b = 0; b < bars; ++b) {
                    const int barTick = tick + (voice.delayBars + r * bars + b) * barTicks;
                    for (const Note& n : melody[b]) {
                        if (n.key < 0)
                            continue;
                        const int accent = n.offset == 0 ? 6 : 0;
                        score.Note(channel, barTick + n.offset, static_cast<int>(n.length * voice.legato),
                                   n.key + 12 * voice.octave, voice.velocity + accent);
                    }
                }
            }
        }
        for (std::size_t j = 0; j < verse.layers.size(); ++j) {
            const int channel = Score::LayerChannel(verse.layers, j);
            score.Instrument(channel, tick, verse.layers[j].program, PanOf(verse.layers[j].part));
            for (int b = 0; b < verseBars; ++b)
                score.LayerBar(channel, verse.layers[j], tick + b * barTicks, harmony[b % harmony.size()]);
        }
        lastChords = &harmony[(verseBars - 1) % harmony.size()];
        tick += verseBars * barTicks;
    }

    if (tune.slowDownAtEnd)
        score.Tempo(tick - barTicks, tempo * 0.8);
    const Chord ending = tune.endChord ? ReadChord(tune, QLatin1String(tune.endChord), 0, barTicks) : lastChords->back();
    score.EndingBar(tune.verses.back().layers, tick, ending);
    tick += barTicks;
    return Arrangement{score.Bytes(), score.Seconds(tick)};
}
