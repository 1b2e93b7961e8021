// Sound from the synthesizer with the General MIDI soundfont, rendered offline: FluidSynth
// loads with the first piece, the device volume scales each channel, and a piece plays on
// in silence without a soundfont or a sound device.
#include "music/MidiPlayback.h"
#include "support/TestPlatform.h"

#include <QtTest>

namespace {
constexpr int Rate = 22050;
QByteArray Twinkle() { return ReadBytes(qEnvironmentVariable("NUMBRELLA_DATA") + QStringLiteral("/twinkle.mid")); }

// The energy (sum of squares) of each channel in the first two seconds of the tune at the given volume.
std::pair<double, double> Energy(std::uint32_t volume)
{
    MidiSynth synth(MidiSynth::Output::Offline, Rate);
    synth.SetVolume(volume);
    MidiPlayback playback(synth);
    playback.Open(Twinkle());
    playback.Play();
    std::vector<float> left(2 * Rate), right(2 * Rate);
    synth.Render(left.data(), right.data(), 2 * Rate);
    return {std::inner_product(left.begin(), left.end(), left.begin(), 0.0),
            std::inner_product(right.begin(), right.end(), right.begin(), 0.0)};
}
} // namespace

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
    void libraryWaitsForTheFirstPiece() // first: nothing may have loaded the library yet
    {
        const auto loaded = [] { return ReadBytes(QStringLiteral("/proc/self/maps")).contains("libfluidsynth"); };
        MidiOutCaps caps; // what start-up asks of the device needs no synthesizer
        QVERIFY(MidiSynth::Process().GetDevCaps(caps) == MidiNoError && (caps.Support & MidiCapsLeftRightVolume));
        MidiSynth synth(MidiSynth::Output::Offline, Rate);
        MidiPlayback playback(synth);
        QVERIFY(!loaded());
        QVERIFY(playback.Open(Twinkle()) && loaded());
    }
    void volumeScalesEachChannel()
    {
        // The left channel at half its level keeps a quarter of the energy; the right at 0 is silent.
        const auto [fullLeft, fullRight] = Energy(0xFFFFFFFFu);
        const auto [left, right] = Energy(0x00008000u);
        QVERIFY(fullLeft > 1 && fullRight > 1 && right < 1e-6);
        QVERIFY2(std::fabs(left / fullLeft - 0.25) < 0.025, qPrintable(QString::number(left / fullLeft)));
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
        // The piece goes on in silence and obeys the controls: Stop keeps the place, Play goes on
        // from there, Prev goes back to the start.
        const int at = playback.Position();
        QVERIFY(!synth.HasSoundFont() && playback.IsPlaying() && at > 0);
        playback.Stop();
        QVERIFY(!playback.IsPlaying() && playback.Position() == at);
        playback.Play();
        QVERIFY(playback.IsPlaying() && playback.Position() >= at);
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
