#include "lib/SoundBuffer.h"
#include "lib/SoundErrorReport.h"
#include "lib/WavFile.h"
#include "resource/SoundStore.h"
#include "tests/lib/SoundTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using vrels::audio::StereoSamples;

namespace {

class SoundEffects : public ::testing::Test {
protected:
    // A stereo effect whose every frame holds (value, value).
    std::string WriteEffect(const std::string& name, int frames, std::int16_t value) {
        const std::string path = (sound.dir / name).string();
        EXPECT_TRUE(vrels::audio::WriteWav(path, StereoSamples(frames * 2, value)));
        return path;
    }
    // An effect counting up 1, 2, 3... on both sides, to see where it plays from.
    std::string WriteRamp(const std::string& name, int frames) {
        StereoSamples ramp;
        for (int i = 1; i <= frames; ++i) {
            ramp.push_back(static_cast<std::int16_t>(i));
            ramp.push_back(static_cast<std::int16_t>(i));
        }
        const std::string path = (sound.dir / name).string();
        EXPECT_TRUE(vrels::audio::WriteWav(path, ramp));
        return path;
    }
    std::string LoadError(SoundBuffer& buffer, const std::string& file) {
        try {
            buffer.Load(file, "x");
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "";
    }

    soundtest::OfflineSound sound{"effects"};
};

// Full-scale sample after the 0.75 master volume (channel volume 79 of 128).
constexpr int kAtMaster = 10000 * 79 / 128;

} // namespace

TEST_F(SoundEffects, InitLogsTheStartUpLines) {
    std::ifstream log(sound.dir / "log.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, vrels::ToShiftJis("DirectSound8 初期化開始\n\t初期化完了\n\n"));
}

TEST_F(SoundEffects, LoadedEffectsPlayByNameAtTheMasterVolume) {
    RealSoundStore store;
    store.Load("Coin", WriteEffect("coin.wav", 100, 10000));
    SoundBuffer* coin = sound.manager.Find("Coin");
    ASSERT_NE(coin, nullptr);
    EXPECT_EQ(coin->volume, -415);
    EXPECT_EQ(coin->pan, 0);

    sound.manager.Play("Coin", 320.0f);
    const StereoSamples out = sound.mixer->Render(150);
    EXPECT_EQ(out[0], kAtMaster);
    EXPECT_EQ(out[1], kAtMaster);
    EXPECT_EQ(out[199], kAtMaster) << "the last frame of the effect";
    EXPECT_EQ(out[200], 0) << "played once, not looped";

    sound.manager.Play("NeverLoaded", 100.0f); // nothing happens
    EXPECT_EQ(sound.mixer->Render(10), StereoSamples(20, 0));
}

TEST_F(SoundEffects, ReplayingRestartsAndDifferentEffectsOverlap) {
    RealSoundStore store;
    store.Load("Ramp", WriteRamp("ramp.wav", 1000));
    store.Load("Flat", WriteEffect("flat.wav", 1000, 1280));
    sound.manager.Find("Ramp")->SetVolume(1.0f / 0.75f); // full volume: the ramp reads back as is

    sound.manager.Play("Ramp");
    sound.mixer->Render(100);
    sound.manager.Play("Ramp"); // cut off and started over
    StereoSamples out = sound.mixer->Render(1);
    EXPECT_EQ(out[0], 1) << "the second play starts from the beginning";

    sound.manager.Play("Flat");
    out = sound.mixer->Render(1);
    EXPECT_EQ(out[0], 2 + 1280 * 79 / 128) << "both effects sound together";
}

TEST_F(SoundEffects, PanFollowsTheSourceAndMutingStillTracksIt) {
    RealSoundStore store;
    store.Load("Hit", WriteEffect("hit.wav", 10, 10000));
    SoundBuffer* hit = sound.manager.Find("Hit");

    hit->Play(0.0f); // screen's left edge: the right side 25 dB down
    StereoSamples out = sound.mixer->Render(1);
    EXPECT_EQ(hit->pan, -2500);
    EXPECT_EQ(out[0], kAtMaster);
    EXPECT_EQ(out[1], static_cast<int>(10000 * (14 / 255.0f)) * 79 / 128);

    sound.manager.PlayUnpanned("Hit"); // keeps the left-edge pan
    out = sound.mixer->Render(1);
    EXPECT_LT(out[1], out[0] / 10);

    sound.manager.muted = true;
    hit->Play(-1000.0f);
    EXPECT_EQ(hit->pan, -10000) << "pans are tracked while muted";
    sound.mixer->Render(20);
    hit->Play(320.0f);
    EXPECT_EQ(sound.mixer->Render(5), StereoSamples(10, 0)) << "nothing starts while muted";
    sound.manager.muted = false;
    sound.manager.PlayUnpanned("Hit");
    out = sound.mixer->Render(1);
    EXPECT_EQ(out[0], out[1]) << "back to the centre pan set while muted";
}

TEST_F(SoundEffects, QuietLevelsAreSilence) {
    RealSoundStore store;
    store.Load("Dosun", WriteEffect("dosun.wav", 10, 30000));
    SoundBuffer* dosun = sound.manager.Find("Dosun");
    dosun->SetVolume(0.002f / 0.75f);
    EXPECT_EQ(dosun->volume, -10000);
    dosun->Play(320.0f);
    EXPECT_EQ(sound.mixer->Render(5), StereoSamples(10, 0));
}

TEST_F(SoundEffects, FailedLoadsReportAndRegisterNothing) {
    PsSoundBuf buffer;
    EXPECT_EQ(LoadError(buffer, "se/missing.wav"), "Open Error: se/missing.wav");

    const std::string text = (sound.dir / "text.wav").string();
    std::ofstream(text) << "this is not a wave file at all";
    EXPECT_EQ(LoadError(buffer, text), "Open Error: " + text);

    // A well-formed file in a format no voice can take.
    const std::string floats = (sound.dir / "float.wav").string();
    {
        std::ofstream out(floats, std::ios::binary);
        const unsigned char header[] = {
            'R', 'I', 'F', 'F', 38, 0, 0,   0,   'W',  'A',  'V', 'E', 'f',  'm',  't',  ' ',
            18,  0,   0,   0,   3,  0, 2,   0,   0x44, 0xAC, 0,   0,   0x20, 0x62, 0x05, 0,
            8,   0,   32,  0,   0,  0, 'd', 'a', 't',  'a',  0,   0,   0,    0};
        out.write(reinterpret_cast<const char*>(header), sizeof header);
    }
    EXPECT_EQ(LoadError(buffer, floats), "サウンドバッファが生成できません");
    EXPECT_FALSE(buffer.Loaded());
    EXPECT_EQ(sound.manager.Find("x"), nullptr);

    RealSoundStore store;
    EXPECT_THROW(store.Load("Miss", "se/missing.wav"), std::runtime_error);
    EXPECT_EQ(store.Get("Miss"), nullptr);
}

TEST_F(SoundEffects, BatchedFailuresAreGathered) {
    RealSoundStore store;
    vrels::audio::SoundReportBatch batch;
    for (const char* file : {"se/a.wav", "se/b.wav"}) {
        try {
            store.Load(file, file);
        } catch (const std::runtime_error&) {
        }
    }
    EXPECT_EQ(batch.Messages(),
              (std::vector<std::string>{"Open Error: se/a.wav", "Open Error: se/b.wav"}));
}

TEST_F(SoundEffects, WithoutADeviceNothingLoads) {
    SoundManager silent; // never initialised
    PsSoundBuf buffer;
    EXPECT_EQ(LoadError(buffer, WriteEffect("ok.wav", 4, 1)),
              "SoundBuffer::Load まだSoundManagerの初期化が終わっていません");
    buffer.Play(320.0f); // harmless
}

TEST_F(SoundEffects, DestroyedEffectsLeaveTheRegistryAndTheMixer) {
    const std::string file = WriteEffect("item.wav", 10, 100);
    {
        RealSoundStore store;
        store.Load("Item", file);
        EXPECT_NE(sound.manager.Find("Item"), nullptr);
        EXPECT_EQ(sound.mixer->VoiceCount(), 1);
        // A second buffer under the same name takes the name over.
        PsSoundBuf own;
        own.Load(file, "Item");
        EXPECT_EQ(sound.manager.Find("Item"), &own);
        EXPECT_EQ(sound.mixer->VoiceCount(), 2);
    }
    EXPECT_EQ(sound.manager.Find("Item"), nullptr);
    EXPECT_EQ(sound.mixer->VoiceCount(), 0);
}
