// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// The synthesizer: a shipped tune's level at the top of the volume bar and lower; without a
// soundfont a piece plays on in silence and obeys the controls.
#include "audio/MidiPlayback.h"
#include "music/logic/MidiVolume.h"
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
