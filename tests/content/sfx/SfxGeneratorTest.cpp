// Unit checks of the effect generator: the parameter format, envelope timing,
// determinism and the guarantees the renderer gives every effect.

#include "WavReader.h"

#include "tools/sfxgen/Biquad.h"
#include "tools/sfxgen/EffectParser.h"
#include "tools/sfxgen/EffectRenderer.h"
#include "tools/sfxgen/Envelope.h"
#include "tools/sfxgen/Oscillator.h"
#include "tools/sfxgen/PartRenderer.h"
#include "tools/sfxgen/RoomReverb.h"
#include "tools/sfxgen/WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

using namespace sfxgen;

namespace {

const char* kNoiseBurst = R"(
[effect]
seed = 5
peak = -6
reverb = 0.2
[part]
wave = noise
attack = 0.001
decay = 0.05
sustain = 0.3
hold = 0.05
release = 0.05
lowpass = 3000
)";

std::string ErrorOf(const std::string& text) {
    try {
        ParseEffect(text, "test.sfx");
    } catch (const ParseError& e) {
        return e.what();
    }
    return "";
}

// Steady-state gain in dB of a filter for a sine at `frequency`.
double SineGainDb(Biquad& filter, double frequency) {
    double inPower = 0.0, outPower = 0.0;
    for (int i = 0; i < kSampleRate / 2; ++i) {
        const double in = std::sin(2.0 * 3.14159265358979323846 * frequency * i / kSampleRate);
        const double out = filter.Process(in);
        if (i >= kSampleRate / 4) { // skip the settling
            inPower += in * in;
            outPower += out * out;
        }
    }
    return 10.0 * std::log10(outPower / inPower);
}

} // namespace

TEST(SfxParser, NotesExpandIntoTimedPartsAndSharpsAreNotComments) {
    const EffectDescription effect = ParseEffect("[part]\n"
                                                 "wave = square   # lead\n"
                                                 "notes = A4 r:0.2 C#5:0.3 A5\n"
                                                 "note_length = 0.1\n"
                                                 "attack = 0.01\n"
                                                 "decay = 0.02\n"
                                                 "offset = 0.5\n",
                                                 "test.sfx");
    ASSERT_EQ(effect.parts.size(), 3u) << "the rest makes no part";
    EXPECT_DOUBLE_EQ(effect.parts[0].offset, 0.5);
    EXPECT_DOUBLE_EQ(effect.parts[1].offset, 0.8);
    EXPECT_DOUBLE_EQ(effect.parts[2].offset, 1.1);
    EXPECT_NEAR(effect.parts[0].frequency, 440.0, 1e-9);
    EXPECT_NEAR(effect.parts[1].frequency, 554.365, 1e-3);
    EXPECT_NEAR(effect.parts[2].frequency, 880.0, 1e-9);
    // Without an explicit hold a note sustains until the next note starts.
    EXPECT_NEAR(effect.parts[0].envelope.hold, 0.07, 1e-12);
    EXPECT_NEAR(effect.parts[1].envelope.hold, 0.27, 1e-12);
}

TEST(SfxParser, RepeatsShiftTimeGainAndPitch) {
    const EffectDescription effect = ParseEffect("[part]\nfreq = 100\nrepeat = 3\n"
                                                 "repeat_every = 0.2\nrepeat_speedup = 0.5\n"
                                                 "repeat_gain = -6\nrepeat_pitch = 12\n",
                                                 "test.sfx");
    ASSERT_EQ(effect.parts.size(), 3u);
    EXPECT_DOUBLE_EQ(effect.parts[1].offset, 0.2);
    EXPECT_DOUBLE_EQ(effect.parts[2].offset, 0.3);
    EXPECT_DOUBLE_EQ(effect.parts[2].gainDb, -12.0);
    EXPECT_NEAR(effect.parts[2].frequency, 400.0, 1e-9);
}

TEST(SfxParser, MistakesNameTheLine) {
    EXPECT_EQ(ErrorOf("[part]\nwave = square\nfrequency = 3\n"),
              "test.sfx:3: unknown [part] key 'frequency'");
    EXPECT_EQ(ErrorOf("[part]\nattack = fast\n"), "test.sfx:2: attack: 'fast' is not a number");
    EXPECT_EQ(ErrorOf("[effect]\npeak = 0\n[part]\n"), "test.sfx:2: peak: 0 is outside -60 .. -1");
    EXPECT_EQ(ErrorOf("[part]\nnotes = C4 H4\n"),
              "test.sfx:2: 'H4' is not a note (use e.g. C5, F#4, Bb3 or r for a rest)");
    EXPECT_EQ(ErrorOf("[effect]\nseed = 3\n"), "test.sfx:2: the effect has no [part]");
    EXPECT_EQ(ErrorOf("[parts]\n"), "test.sfx:1: unknown section [parts]");
}

TEST(SfxParser, NoteNames) {
    double f = 0.0;
    ASSERT_TRUE(NoteFrequency("C4", f));
    EXPECT_NEAR(f, 261.626, 1e-3);
    ASSERT_TRUE(NoteFrequency("Bb3", f));
    EXPECT_NEAR(f, 233.082, 1e-3);
    ASSERT_TRUE(NoteFrequency("E2", f));
    EXPECT_NEAR(f, 82.407, 1e-3);
    EXPECT_FALSE(NoteFrequency("C", f));
    EXPECT_FALSE(NoteFrequency("c4", f));
    EXPECT_FALSE(NoteFrequency("C#10", f));
}

TEST(SfxEnvelope, StagesLastAsLongAsWritten) {
    EnvelopeDescription env;
    env.attack = 0.01;
    env.decay = 0.02;
    env.sustain = 0.5;
    env.hold = 0.03;
    env.release = 0.04;
    EXPECT_EQ(EnvelopeLevel(env, -0.001), 0.0);
    EXPECT_NEAR(EnvelopeLevel(env, 0.005), 0.5, 1e-12);
    EXPECT_NEAR(EnvelopeLevel(env, 0.01), 1.0, 1e-12);
    EXPECT_NEAR(EnvelopeLevel(env, 0.03), 0.5, 1e-12);
    EXPECT_NEAR(EnvelopeLevel(env, 0.059), 0.5, 1e-12);
    EXPECT_GT(EnvelopeLevel(env, 0.099), 0.0);
    EXPECT_EQ(EnvelopeLevel(env, 0.1001), 0.0);

    PartDescription part;
    part.envelope = env;
    EXPECT_EQ(RenderPart(part, 1).size(), 4411u) << "0.1 s plus the closing sample";
}

TEST(SfxOscillator, PulsesHaveNoDcAndTheRightPitch) {
    for (double duty : {0.1, 0.25, 0.5}) {
        Oscillator square(Wave::Square, 1);
        double sum = 0.0;
        int rises = 0;
        double previous = square.Next(441.0, duty);
        for (int i = 1; i < kSampleRate; ++i) {
            const double value = square.Next(441.0, duty);
            sum += value;
            rises += previous < 0.0 && value >= 0.0;
            previous = value;
        }
        EXPECT_NEAR(sum / kSampleRate, 0.0, 1e-3) << "duty " << duty;
        EXPECT_NEAR(rises, 441, 1) << "duty " << duty;
    }
}

TEST(SfxFilters, PassAndStopTheRightBands) {
    Biquad lowpass(Biquad::Kind::LowPass);
    lowpass.SetCutoff(1000.0, 0.707);
    EXPECT_NEAR(SineGainDb(lowpass, 100.0), 0.0, 0.5);
    EXPECT_NEAR(SineGainDb(lowpass, 1000.0), -3.0, 0.5);
    EXPECT_LT(SineGainDb(lowpass, 8000.0), -30.0);

    Biquad highpass(Biquad::Kind::HighPass);
    highpass.SetCutoff(1000.0, 0.707);
    EXPECT_LT(SineGainDb(highpass, 100.0), -30.0);
    EXPECT_NEAR(SineGainDb(highpass, 8000.0), 0.0, 0.5);
}

TEST(SfxFilters, EvenTheLargestRoomIsShort) {
    RoomReverb room(1.0, 0.0);
    double early = 0.0, late = 0.0;
    for (int i = 0; i < 2 * kSampleRate; ++i) {
        const double wet = room.Process(i == 0 ? 1.0 : 0.0);
        if (i < kSampleRate / 5) {
            early = std::max(early, std::fabs(wet));
        } else if (i > 3 * kSampleRate / 2) {
            late = std::max(late, std::fabs(wet));
        }
    }
    EXPECT_GT(early, 0.0);
    EXPECT_LT(late, early * 0.001) << "60 dB down within 1.5 s";
}

TEST(SfxRenderer, RendersTheSameBytesForTheSameSeedOnly) {
    const EffectDescription effect = ParseEffect(kNoiseBurst, "test.sfx");
    const std::vector<std::int16_t> first = ToPcm16(RenderEffect(effect));
    EXPECT_EQ(first, ToPcm16(RenderEffect(effect)));
    EffectDescription reseeded = effect;
    reseeded.seed = 6;
    EXPECT_NE(first, ToPcm16(RenderEffect(reseeded)));
}

TEST(SfxRenderer, NormalisesFadesAndLimitsLength) {
    EffectDescription effect = ParseEffect(kNoiseBurst, "test.sfx");
    std::vector<double> samples = RenderEffect(effect);
    double peak = 0.0, sum = 0.0;
    for (double s : samples) {
        peak = std::max(peak, std::fabs(s));
        sum += s;
    }
    EXPECT_NEAR(20.0 * std::log10(peak), -6.0, 1e-9);
    EXPECT_NEAR(sum / samples.size(), 0.0, 1e-9);
    EXPECT_NEAR(samples.front(), 0.0, 1e-12);
    EXPECT_NEAR(samples.back(), 0.0, 1e-12);
    EXPECT_GT(samples.size(), std::size_t(0.151 * kSampleRate)) << "room tail kept";

    effect.maxLength = 0.05;
    samples = RenderEffect(effect);
    EXPECT_LE(samples.size(), std::size_t(0.05 * kSampleRate) + 1);
    EXPECT_NEAR(samples.back(), 0.0, 1e-12) << "a cut effect still fades out";
}

TEST(SfxWav, WrittenFilesReadBackSampleForSample) {
    const std::vector<std::int16_t> pcm = ToPcm16({0.0, 0.5, -0.5, 1.5, -1.5, 0.25});
    EXPECT_EQ(pcm, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32768, 8192}));
    const std::string path = ::testing::TempDir() + "sfx_roundtrip.wav";
    std::string error;
    ASSERT_TRUE(WriteWav(path, pcm, error)) << error;
    WavFile wav;
    ASSERT_TRUE(ReadWav(path, wav, error)) << error;
    EXPECT_EQ(wav.formatTag, 1);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.sampleRate, 44100);
    EXPECT_EQ(wav.bitsPerSample, 16);
    EXPECT_EQ(wav.samples, pcm);
    std::remove(path.c_str());

    EXPECT_FALSE(WriteWav("/nonexistent-dir/x.wav", pcm, error));
    EXPECT_NE(error.find("cannot create /nonexistent-dir/x.wav"), std::string::npos);
}
