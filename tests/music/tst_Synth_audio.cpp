// Sound from the synthesizer with the General MIDI soundfont, rendered offline: the device
// volume scales each channel, FluidSynth loads with the first piece, and a piece plays on in
// silence without a soundfont or a sound device.
#include "music/MidiPlayback.h"
#include "music/logic/MidiVolume.h"
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
    const auto sum = [](const std::vector<float>& v) { return std::inner_product(v.begin(), v.end(), v.begin(), 0.0); };
    return {sum(left), sum(right)};
}
} // namespace

class TestSynthAudio : public QObject {
    Q_OBJECT
private slots:
    void libraryWaitsForTheFirstPiece() // first: nothing may have loaded the library yet
    {
        const auto loaded = [] { return ReadBytes(QStringLiteral("/proc/self/maps")).contains("libfluidsynth"); };
        // What start-up asks of the device needs no synthesizer.
        MidiOutCaps caps;
        QCOMPARE(MidiSynth::Process().GetDevCaps(caps), MidiNoError);
        QVERIFY(caps.Support & MidiCapsLeftRightVolume);
        QCOMPARE(SetVolumeFromBar(MidiSynth::Process(), 15), MidiNoError);
        std::uint32_t volume = 0;
        QCOMPARE(MidiSynth::Process().GetVolume(volume), MidiNoError);
        QCOMPARE(volume, 0x0FFF1000u);
        MidiSynth synth(MidiSynth::Output::Offline, Rate);
        MidiPlayback playback(synth);
        QVERIFY(!loaded());
        QVERIFY(playback.Open(Twinkle()) && loaded());
    }
    void volumeScalesEachChannel_data()
    {
        QTest::addColumn<uint>("volume");
        QTest::addColumn<QList<double>>("shares"); // of the energy at full volume: the square of the level
        QTest::newRow("bar at 8") << uint(MidiVolumeValue(0x7FFF, 0x8000)) << QList<double>{0.25, 0.25};
        QTest::newRow("left only") << 0x0000FFFFu << QList<double>{1.0, 0.0};
        QTest::newRow("silent") << 0x00000000u << QList<double>{0.0, 0.0};
    }
    void volumeScalesEachChannel()
    {
        QFETCH(uint, volume);
        QFETCH(QList<double>, shares);
        const auto [fullLeft, fullRight] = Energy(0xFFFFFFFFu);
        const auto [left, right] = Energy(volume);
        QVERIFY(fullLeft > 1 && fullRight > 1);
        QVERIFY2(std::fabs(left / fullLeft - shares[0]) < 0.01 + shares[0] * 0.05, qPrintable(QString::number(left / fullLeft)));
        QVERIFY2(std::fabs(right / fullRight - shares[1]) < 0.01 + shares[1] * 0.05, qPrintable(QString::number(right / fullRight)));
    }
    void missingSoundFontPlaysSilently()
    {
        MidiSynth synth(MidiSynth::Output::Offline, Rate, QStringLiteral("/no/such/soundfont.sf2"));
        MidiPlayback playback(synth);
        QVERIFY(playback.Open(Twinkle()));
        playback.Play();
        QVERIFY(!synth.HasSoundFont());
        std::vector<float> left(3 * Rate), right(3 * Rate);
        synth.Render(left.data(), right.data(), 3 * Rate);
        // Nothing but the synthesizer's own noise floor, far below anything heard.
        for (const std::vector<float>* channel : {&left, &right})
            QVERIFY(std::all_of(channel->begin(), channel->end(), [](float v) { return std::fabs(v) < 1e-5f; }));
        // The piece goes on in silence and obeys the controls: Stop keeps the place, Prev goes to the start.
        const int at = playback.Position();
        QVERIFY(playback.IsPlaying() && at > 0);
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
        QTRY_VERIFY_WITH_TIMEOUT(playback.Position() > 0, 5000);
        QVERIFY(playback.IsPlaying());
    }
};

QTEST_GUILESS_MAIN(TestSynthAudio)
#include "tst_Synth_audio.moc"
