#include "app/Runner.h"
#include "lib/AudioRecorder.h"
#include "lib/WavFile.h"
#include "tests/lib/SoundTestSupport.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cstring>
#include <fstream>
#include <iterator>

using namespace vrels::audio;

TEST(SoundRecorder, SixtyStepsMakeExactlyOneSecond) {
    long total = 0;
    for (long step = 1; step <= 600; ++step) {
        EXPECT_EQ(FramesForStep(step), 735);
        total += FramesForStep(step);
    }
    EXPECT_EQ(total, 10L * 44100);
}

TEST(SoundRecorder, RecordsAPairAsHeard) {
    soundtest::OfflineSound scratch("recorder"); // log and scratch folder
    const std::string out = (scratch.dir / "pair.wav").string();
    ASSERT_EQ(
        RecordMusic(soundtest::DataFile("short.ogg"), soundtest::DataFile("loop.ogg"), 3.0, out),
        "");
    std::ifstream in(out, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    const auto wave = ParseWav(bytes);
    ASSERT_TRUE(wave);
    ASSERT_EQ(wave->samples.size(), 3u * 176400);

    // The loop file's first samples follow the intro's last ones directly.
    OggVorbis_File vf;
    ASSERT_EQ(ov_fopen(soundtest::DataFile("loop.ogg").c_str(), &vf), 0);
    char first[4096];
    int section = 0;
    const long got = ov_read(&vf, first, sizeof first, 0, 2, 1, &section);
    ov_clear(&vf);
    ASSERT_GT(got, 0);
    const std::size_t join = 22052 + 52920 * 4; // lead-in + the 1.2 s intro
    EXPECT_EQ(0, std::memcmp(&wave->samples[join], first, static_cast<std::size_t>(got)));

    EXPECT_EQ(RecordMusic("bgm/none.ogg", "", 1.0, out), "Open Error: bgm/none.ogg");
}

TEST(SoundRecorder, RunnerTakesTheMusicForm) {
    vrels::RunnerOptions options;
    std::string error;
    ASSERT_TRUE(vrels::ParseRunnerArguments(
        {"--music", "a.ogg", "b.ogg", "--seconds", "2.5", "--audio-out", "x.wav"}, &options,
        &error))
        << error;
    EXPECT_EQ(options.music, (std::vector<std::string>{"a.ogg", "b.ogg"}));
    EXPECT_DOUBLE_EQ(options.seconds, 2.5);
    EXPECT_EQ(options.audioOut, "x.wav");

    vrels::RunnerOptions single;
    ASSERT_TRUE(vrels::ParseRunnerArguments(
        {"--music", "a.ogg", "--audio-out", "x.wav", "--seconds", "1"}, &single, &error));
    EXPECT_EQ(single.music, (std::vector<std::string>{"a.ogg"}));

    vrels::RunnerOptions bad;
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--music", "a.ogg", "--seconds", "1"}, &bad, &error))
        << "a recording needs somewhere to go";
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--music", "--seconds", "1"}, &bad, &error));
    EXPECT_FALSE(vrels::ParseRunnerArguments(
        {"--music", "a.ogg", "--seconds", "zero", "--audio-out", "x.wav"}, &bad, &error));
}
