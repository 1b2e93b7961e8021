// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#include "music/logic/MidiFileWriter.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {
constexpr int RankNoteOff = 0;
constexpr int RankSetting = 1;
constexpr int RankNoteOn = 2;

QByteArray Big16(int value)
{
    QByteArray b(2, '\0');
    qToBigEndian<quint16>(static_cast<quint16>(value), b.data());
    return b;
}

QByteArray Big32(quint32 value)
{
    QByteArray b(4, '\0');
    qToBigEndian<quint32>(value, b.data());
    return b;
}

char Byte(int value)
{
    return static_cast<char>(value & 0xFF);
}

QByteArray Meta(int type, const QByteArray& data)
{
    return QByteArray(1, Byte(0xFF)) + Byte(type) + MidiFileWriter::VariableLength(data.size()) + data;
}
} // namespace

MidiFileWriter::MidiFileWriter(int ticksPerQuarter)
    : ticksPerQuarter_(ticksPerQuarter)
{
}

int MidiFileWriter::AddTrack()
{
    tracks_.emplace_back();
    return static_cast<int>(tracks_.size()) - 1;
}

void MidiFileWriter::Add(int track, int tick, int rank, const QByteArray& bytes)
{
    tracks_.at(track).push_back(Event{std::max(tick, 0), rank, added_++, bytes});
}

void MidiFileWriter::TrackName(int track, const QByteArray& name)
{
    Add(track, 0, RankSetting, Meta(0x03, name));
}

void MidiFileWriter::Tempo(int track, int tick, double beatsPerMinute)
{
    const quint32 microsPerQuarter = static_cast<quint32>(std::lround(60000000.0 / beatsPerMinute));
    Add(track, tick, RankSetting, Meta(0x51, Big32(microsPerQuarter).mid(1)));
}

void MidiFileWriter::TimeSignature(int track, int tick, int beats, int beatUnit)
{
    int power = 0;
    while ((1 << power) < beatUnit)
        ++power;
    QByteArray data;
    data += Byte(beats);
    data += Byte(power);
    data += Byte(24); // MIDI clocks per metronome click
    data += Byte(8); // 32nd notes per quarter
    Add(track, tick, RankSetting, Meta(0x58, data));
}

void MidiFileWriter::Program(int track, int tick, int channel, int program)
{
    QByteArray b;
    b += Byte(0xC0 | (channel & 0x0F));
    b += Byte(program & 0x7F);
    Add(track, tick, RankSetting, b);
}

void MidiFileWriter::Controller(int track, int tick, int channel, int controller, int value)
{
    QByteArray b;
    b += Byte(0xB0 | (channel & 0x0F));
    b += Byte(controller & 0x7F);
    b += Byte(value & 0x7F);
    Add(track, tick, RankSetting, b);
}

void MidiFileWriter::Note(int track, int tick, int length, int channel, int key, int velocity)
{
    QByteArray on;
    on += Byte(0x90 | (channel & 0x0F));
    on += Byte(key & 0x7F);
    on += Byte(std::clamp(velocity, 1, 127));
    QByteArray off;
    off += Byte(0x80 | (channel & 0x0F));
    off += Byte(key & 0x7F);
    off += Byte(0x40);
    Add(track, tick, RankNoteOn, on);
    Add(track, tick + std::max(length, 1), RankNoteOff, off);
}

QByteArray MidiFileWriter::VariableLength(quint32 value)
{
    value &= 0x0FFFFFFF; // the format holds at most 28 bits
    QByteArray reversed;
    reversed += Byte(value & 0x7F);
    while ((value >>= 7) != 0)
        reversed += Byte(0x80 | (value & 0x7F));
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QByteArray MidiFileWriter::Bytes() const
{
    QByteArray file = "MThd" + Big32(6) + Big16(1) + Big16(static_cast<int>(tracks_.size())) + Big16(ticksPerQuarter_);
    for (std::vector<Event> events : tracks_) {
        std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            if (a.tick != b.tick)
                return a.tick < b.tick;
            if (a.rank != b.rank)
                return a.rank < b.rank;
            return a.order < b.order;
        });
        QByteArray body;
        int last = 0;
        for (const Event& e : events) {
            body += VariableLength(static_cast<quint32>(e.tick - last)) + e.bytes;
            last = e.tick;
        }
        body += VariableLength(0) + Meta(0x2F, QByteArray());
        file += "MTrk" + Big32(static_cast<quint32>(body.size())) + body;
    }
    return file;
}
