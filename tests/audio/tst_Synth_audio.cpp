// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The synthesizer: a shipped tune's level at the top of the volume bar and lower; without a
// soundfont a piece plays on in silence and obeys the controls; the notes that answer an answer.
#include "audio/MidiPlayback.h"
#include "music/logic/MidiVolume.h"
#include "practice/logic/AnswerCheck.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
    // Twinkle's first ten seconds at the top of the volume bar: a child's volume (the whole tune
    // measures -16 LUFS), no peak near clipping; two steps down, 6 dB less.
    void tuneLevel()
    {
        constexpr int Rate = 44100;
        MidiSynth synth(MidiSynth::Output::Offline, Rate);
        MidiPlayback playback(synth);
        QVERIFY(playback.Open(ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/twinkle.mid"))));
        std::vector<float> left(10 * Rate), right(10 * Rate);
        for (const auto& [position, lowest, highest] : {std::tuple{0, -26.0, -23.0}, std::tuple{2, -32.0, -29.0}}) {
            SetVolumeFromBar(synth, position);
            playback.Rewind();
            playback.Play();
            synth.Render(left.data(), right.data(), 10 * Rate);
            double energy = 0, peak = 0;
            for (float v : left)
                energy += double(v) * v, peak = std::max(peak, double(std::fabs(v)));
            const double rms = 10 * std::log10(energy / left.size());
            qInfo("bar %d: RMS %.1f dBFS, peak %.1f dBFS", position, rms, 20 * std::log10(peak));
            QVERIFY(rms >= lowest && rms <= highest && peak < 0.9);
        }
    }
    // Each note sounds from the first frames rendered after it is sent, softer than the tunes,
    // the right answer's high and the wrong one's low, and is silent soon after it is let go.
    void answerNotes()
    {
        constexpr int Rate = 44100, Block = 256;
        MidiSynth synth(MidiSynth::Output::Offline, Rate);
        QCOMPARE(synth.Open(), MidiNoError);
        std::vector<float> left(Rate / 4), right(Rate / 4);
        auto level = [&](int from, int to) {
            double energy = 0;
            for (int i = from; i < to; ++i)
                energy += double(left[i]) * left[i];
            return 10 * std::log10(energy / (to - from) + 1e-30);
        };
        int crossings[2] = {};
        for (bool rightAnswer : {true, false}) {
            const AnswerNote note = AnswerNoteFor(rightAnswer);
            QCOMPARE(synth.ShortMsg(MidiMessage(MidiProgram, AnswerChannel, note.program)), MidiNoError);
            QCOMPARE(synth.ShortMsg(MidiMessage(MidiNoteOn, AnswerChannel, note.key, note.velocity)), MidiNoError);
            synth.Render(left.data(), right.data(), int(left.size()));
            const double first = level(0, Block), whole = level(0, int(left.size()));
            qInfo("note %d: first block %.1f dBFS, quarter second %.1f dBFS", note.key, first, whole);
            QVERIFY(first > -50 && whole > -40 && whole < -26); // the tunes: -25 dBFS
            for (std::size_t i = 1; i < left.size(); ++i)
                crossings[rightAnswer] += (left[i - 1] < 0) != (left[i] < 0);
            QCOMPARE(synth.ShortMsg(MidiMessage(MidiNoteOff, AnswerChannel, note.key)), MidiNoError);
            for (int i = 0; i < 6; ++i) // a second and a half let go
                synth.Render(left.data(), right.data(), int(left.size()));
            QVERIFY(level(0, int(left.size())) < -70);
        }
        QVERIFY(crossings[1] > 4 * crossings[0]);
    }
    void missingSoundFontPlaysSilently()
    {
        constexpr int Rate = 22050;
        MidiSynth synth(MidiSynth::Output::Offline, Rate, QStringLiteral("/no/such/soundfont.sf2"));
        MidiPlayback playback(synth);
        QVERIFY(playback.Open(ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/twinkle.mid"))));
        playback.Play();
        std::vector<float> sound(2 * Rate);
        synth.Render(sound.data(), sound.data() + Rate, Rate);
        // Nothing but the synthesizer's own noise floor, far below anything heard.
        QVERIFY(std::all_of(sound.begin(), sound.end(), [](float v) { return std::fabs(v) < 1e-5f; }));
        // The piece goes on in silence and obeys the controls: Stop keeps the place, Prev goes back
        // to the start.
        const int at = playback.Position();
        QVERIFY(!synth.HasSoundFont() && playback.IsPlaying() && at > 0);
        playback.Stop();
        QVERIFY(!playback.IsPlaying() && playback.Position() == at);
        playback.Rewind();
        QCOMPARE(playback.Position(), 0);
        QVERIFY(!playback.Open(QByteArray("MThd garbage"))); // bytes that are no MIDI file open as nothing
    }
};

QTEST_GUILESS_MAIN(TestSynthAudio)
#include "tst_Synth_audio.moc"
