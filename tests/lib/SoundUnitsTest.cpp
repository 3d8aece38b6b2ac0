#include "lib/AudioUnits.h"

#include <gtest/gtest.h>

using namespace vrels::audio;

TEST(SoundUnits, PanFollowsTheScreenPosition) {
    EXPECT_EQ(PanForX(320.0f), 0);
    EXPECT_EQ(PanForX(0.0f), -2500) << "the screen edges pan by 25 dB, not fully";
    EXPECT_EQ(PanForX(640.0f), 2500);
    EXPECT_EQ(PanForX(-1000.0f), -10000) << "far off screen goes fully to one side";
    EXPECT_EQ(PanForX(2000.0f), 10000);
    EXPECT_EQ(PanForX(321.0f), 7) << "truncated, not rounded";
    EXPECT_EQ(PanForX(319.0f), -7);
    EXPECT_EQ(PanForX(-959.9f), -9999) << "-9999 is kept; only beyond it snaps to the side";
}

TEST(SoundUnits, VolumeIsHundredthsOfADecibel) {
    EXPECT_EQ(VolumeForLevel(1.0f), 0);
    EXPECT_EQ(VolumeForLevel(0.75f), -415) << "the master volume alone";
    EXPECT_EQ(VolumeForLevel(0.5f), -1000) << "half the level is 10 dB";
    EXPECT_NEAR(VolumeForLevel(0.0021f), -8895, 1) << "just above the cut-off is still heard";
    EXPECT_EQ(VolumeForLevel(0.002f), kSilence) << "0.002 and below is silence";
    EXPECT_EQ(VolumeForLevel(0.0001f), kSilence);
    EXPECT_EQ(VolumeForLevel(0.0f), kSilence);
    EXPECT_EQ(VolumeForLevel(-1.0f), kSilence);
}

TEST(SoundUnits, MixerVolumeIsTheLinearGain) {
    EXPECT_EQ(MixerVolume(0), 128);
    EXPECT_EQ(MixerVolume(-415), 79);  // 10^(-0.2075) x 128 = 79.3
    EXPECT_EQ(MixerVolume(-2000), 13); // a tenth
    EXPECT_EQ(MixerVolume(-6000), 0);  // 0.128 rounds away
    EXPECT_EQ(MixerVolume(kSilence), 0);
    EXPECT_EQ(MixerVolume(-20000), 0);
    EXPECT_EQ(MixerVolume(500), 128) << "never louder than full";
}

TEST(SoundUnits, PanAttenuatesTheFarSide) {
    EXPECT_EQ(MixerPan(0).left, 255);
    EXPECT_EQ(MixerPan(0).right, 255);
    // Negative pans take level off the right channel.
    EXPECT_EQ(MixerPan(-2500).left, 255);
    EXPECT_EQ(MixerPan(-2500).right, 14); // -25 dB: 255 x 0.0562
    EXPECT_EQ(MixerPan(2500).left, 14);
    EXPECT_EQ(MixerPan(2500).right, 255);
    EXPECT_EQ(MixerPan(-600).right, 128); // -6 dB: half the amplitude
    EXPECT_EQ(MixerPan(-10000).right, 0) << "fully to one side silences the other";
    EXPECT_EQ(MixerPan(10000).left, 0);
    EXPECT_EQ(MixerPan(-9999).right, 0) << "-100 dB rounds to nothing as well";
}
