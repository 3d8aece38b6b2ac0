// Checks every built effect in the game folder: format, level, DC, clean ends
// and length limits that keep the effects short enough for their use.

#include "WavReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct EffectLimits {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

// The 21 program-wide effects and the gun's own two. Every effect has a single
// voice that a new play restarts, so the ones fired at the gun's rate (shot,
// hit, hit_wall, case) must be over before the next shot 83 ms later.
const EffectLimits kEffects[] = {
    {"jump_off.wav", 0.05, 0.45},  {"jump_on.wav", 0.03, 0.35},   {"press.wav", 0.05, 0.5},
    {"item.wav", 0.1, 0.6},        {"1up.wav", 0.4, 1.3},         {"miss.wav", 0.4, 1.4},
    {"hit.wav", 0.02, 0.085},      {"case.wav", 0.01, 0.085},     {"enemy.wav", 0.1, 0.7},
    {"select.wav", 0.02, 0.2},     {"coin.wav", 0.1, 0.6},        {"bomb1.wav", 0.3, 1.2},
    {"bomb2.wav", 0.3, 1.5},       {"hit_wall.wav", 0.02, 0.085}, {"goal.wav", 0.5, 1.8},
    {"burner.wav", 1.8, 2.3},      {"fire.wav", 0.1, 0.6},        {"fire_break.wav", 0.1, 0.6},
    {"block_break.wav", 0.1, 0.8}, {"dosun.wav", 0.2, 1.2},       {"boss_dead1.wav", 1.0, 3.0},
    {"shot.wav", 0.02, 0.080},     {"nobullet.wav", 0.005, 0.06},
};

// -1 dBFS leaves room for the reconstruction filter; -20 dBFS means "audible".
const double kMaxPeak = 32767.0 * std::pow(10.0, -1.0 / 20.0);
const double kMinPeak = 32767.0 * std::pow(10.0, -20.0 / 20.0);
// A start or end sample above this (about -60 dBFS) would click.
const int kMaxEdgeSample = 33;
const double kMaxDcOffset = 0.001; // of full scale

class SoundEffectFile : public ::testing::TestWithParam<EffectLimits> {};

TEST_P(SoundEffectFile, IsAShortCleanSixteenBitEffect) {
    const EffectLimits& limits = GetParam();
    const std::string path = std::string(VRELS_GAME_DIR) + "/se/" + limits.file;
    WavFile wav;
    std::string error;
    ASSERT_TRUE(ReadWav(path, wav, error)) << error;

    EXPECT_EQ(wav.formatTag, 1) << "PCM";
    EXPECT_EQ(wav.fmtSize, 16u);
    EXPECT_EQ(wav.sampleRate, 44100);
    EXPECT_EQ(wav.bitsPerSample, 16);
    ASSERT_TRUE(wav.channels == 1 || wav.channels == 2);
    ASSERT_GT(wav.Frames(), 0u);

    EXPECT_GE(wav.Seconds(), limits.minSeconds);
    EXPECT_LE(wav.Seconds(), limits.maxSeconds);

    double peak = 0.0, sum = 0.0;
    for (std::int16_t s : wav.samples) {
        peak = std::max(peak, std::fabs(double(s)));
        sum += s;
    }
    EXPECT_LE(peak, kMaxPeak) << "peak above -1 dBFS";
    EXPECT_GE(peak, kMinPeak) << "effect is nearly silent";
    EXPECT_LE(std::fabs(sum / wav.samples.size()) / 32768.0, kMaxDcOffset) << "DC offset";

    for (int c = 0; c < wav.channels; ++c) {
        EXPECT_LE(std::abs(wav.samples[c]), kMaxEdgeSample) << "click at the start";
        EXPECT_LE(std::abs(wav.samples[wav.samples.size() - wav.channels + c]), kMaxEdgeSample)
            << "click at the end";
    }
}

std::string EffectName(const ::testing::TestParamInfo<EffectLimits>& info) {
    std::string name = info.param.file;
    name = name.substr(0, name.find('.'));
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllEffects, SoundEffectFile, ::testing::ValuesIn(kEffects), EffectName);

} // namespace
