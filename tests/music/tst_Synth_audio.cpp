// Sound from the synthesizer with the General MIDI soundfont, rendered offline: FluidSynth
// loads with the first piece, the device volume scales each channel, and a piece plays on
// in silence without a soundfont or a sound device.
#include "music/MidiPlayback.h"
#include "music/logic/MidiVolume.h"
#include "support/TestPlatform.h"

#include <QtTest>

namespace {
constexpr int Rate = 22050;
QByteArray Twinkle() { return ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/twinkle.mid")); }

// The first seconds of the tune, left channel then right, on a synthesizer at the given volume.
std::vector<float> Render(std::uint32_t volume)
{
    MidiSynth synth(MidiSynth::Output::Offline, Rate);
    synth.SetVolume(volume);
    MidiPlayback playback(synth);
    playback.Open(Twinkle());
    playback.Play();
    std::vector<float> sound(4 * Rate);
    synth.Render(sound.data(), sound.data() + 2 * Rate, 2 * Rate);
    return sound;
}
double Energy(const std::vector<float>& sound, int channel)
{
    const auto from = sound.begin() + channel * 2 * Rate;
    return std::inner_product(from, from + 2 * Rate, from, 0.0);
}
} // namespace

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
    void libraryWaitsForTheFirstPiece() // first: nothing may have loaded the library yet
    {
        const auto loaded = [] { return ReadBytes(QStringLiteral("/proc/self/maps")).contains("libfluidsynth"); };
        // The device of the volume bar needs no synthesizer.
        QCOMPARE(SetVolumeFromBar(MidiSynth::Process(), 15), MidiNoError);
        std::uint32_t volume = 0;
        QCOMPARE(MidiSynth::Process().GetVolume(volume), MidiNoError);
        QCOMPARE(volume, 0x0FFF1000u);
        MidiSynth synth(MidiSynth::Output::Offline, Rate);
        MidiPlayback playback(synth);
        QVERIFY(!loaded());
        QVERIFY(playback.Open(Twinkle()) && loaded());
    }
    void volumeScalesEachChannel()
    {
        // The left channel at half its level keeps a quarter of the energy; the right at 0 is silent.
        const std::vector<float> full = Render(0xFFFFFFFFu);
        const std::vector<float> sound = Render(0x00008000u);
        const double left = Energy(sound, 0) / Energy(full, 0);
        QVERIFY(Energy(full, 0) > 1 && Energy(full, 1) > 1);
        QVERIFY2(std::fabs(left - 0.25) < 0.025, qPrintable(QString::number(left)));
        QVERIFY(Energy(sound, 1) < 1e-6);
    }
    void missingSoundFontPlaysSilently()
    {
        MidiSynth synth(MidiSynth::Output::Offline, Rate, QStringLiteral("/no/such/soundfont.sf2"));
        MidiPlayback playback(synth);
        QVERIFY(playback.Open(Twinkle()));
        playback.Play();
        std::vector<float> sound(2 * Rate);
        synth.Render(sound.data(), sound.data() + Rate, Rate);
        // Nothing but the synthesizer's own noise floor, far below anything heard.
        QVERIFY(std::all_of(sound.begin(), sound.end(), [](float v) { return std::fabs(v) < 1e-5f; }));
        // The piece goes on in silence and obeys the controls: Stop keeps the place, Prev goes to the start.
        const int at = playback.Position();
        QVERIFY(!synth.HasSoundFont() && playback.IsPlaying() && at > 0);
        playback.Stop();
        QVERIFY(!playback.IsPlaying() && playback.Position() == at);
        playback.Rewind();
        QCOMPARE(playback.Position(), 0);
        QVERIFY(!playback.Open(QByteArray("MThd garbage"))); // bytes that are no MIDI file open as nothing
    }
    void noSoundDeviceKeepsTime()
    {
        // No sound server to reach; a sound card is tried only when the machine lists one.
        qputenv("PULSE_SERVER", "unix:/no/such/socket");
        MidiSynth synth(MidiSynth::Output::Speakers, Rate);
        MidiPlayback playback(synth);
        QVERIFY(playback.Open(Twinkle()));
        playback.Play();
        if (synth.HasSpeakers())
            QSKIP("this machine has a sound card");
        QVERIFY(synth.HasSoundFont());
        QTRY_VERIFY_WITH_TIMEOUT(playback.Position() > 0 && playback.IsPlaying(), 5000);
    }
};

QTEST_GUILESS_MAIN(TestSynthAudio)
#include "tst_Synth_audio.moc"
