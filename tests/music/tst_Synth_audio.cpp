// The synthesizer without a soundfont: a piece plays on in silence and obeys the controls.
#include "music/MidiPlayback.h"
#include "support/TestPlatform.h"

#include <QtTest>

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
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
