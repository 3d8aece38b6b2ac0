#include "app/Log.h"
#include "lib/OggStreamDecoder.h"
#include "lib/OggStreamPlayer.h"
#include "tests/lib/SoundTestSupport.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>

using soundtest::DataFile;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t kStartSilence = 22052; // 1/8 s lead before the first sample
constexpr int kFramesPerStep = 735;          // one frame step at 60 Hz

// The whole file decoded the way the player decodes it.
Bytes Decode(const std::string& file) {
    OggVorbis_File vf;
    EXPECT_EQ(ov_fopen(file.c_str(), &vf), 0) << file;
    Bytes out;
    char block[4096];
    int section = 0;
    long got = 0;
    while ((got = ov_read(&vf, block, sizeof block, 0, 2, 1, &section)) > 0) {
        out.insert(out.end(), block, block + got);
    }
    ov_clear(&vf);
    return out;
}

Bytes Silence(std::size_t bytes) {
    return Bytes(bytes, 0);
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

// Where two byte strings first differ, or -1.
long FirstDifference(const Bytes& a, const Bytes& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i]) {
            return static_cast<long>(i);
        }
    }
    return a.size() == b.size() ? -1 : static_cast<long>(n);
}

class MusicStream : public ::testing::Test {
protected:
    void SetUp() override { stream.Init(&sound.manager); }

    // Plays the sound card forward by frame steps, letting the worker finish
    // each refill, and returns the bytes heard.
    Bytes Render(double seconds) {
        Bytes heard;
        int frames = static_cast<int>(seconds * 44100);
        while (frames > 0) {
            const int step = std::min(frames, kFramesPerStep);
            const auto out = sound.mixer->Render(step);
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(out.data());
            heard.insert(heard.end(), bytes, bytes + out.size() * 2);
            stream.WaitForWorker();
            frames -= step;
        }
        return heard;
    }

    soundtest::OfflineSound sound{"music"};
    COggStream stream;
};

} // namespace

TEST_F(MusicStream, IntroJoinsItsLoopWithoutAGap) {
    const Bytes intro = Decode(DataFile("intro.ogg"));
    const Bytes loop = Decode(DataFile("loop.ogg"));
    ASSERT_EQ(intro.size(), 154350u * 4) << "3.5 s: the join falls inside a refill";

    stream.OpenIntro(DataFile("intro.ogg"), DataFile("loop.ogg"));
    EXPECT_EQ(Render(0.5), Silence(88200)) << "nothing plays before Play";
    stream.Play();
    EXPECT_EQ(stream.State(), 1);
    const Bytes heard = Render(8.0);
    Bytes expected = Join({Silence(kStartSilence), intro});
    while (expected.size() < heard.size()) {
        expected.insert(expected.end(), loop.begin(), loop.end());
    }
    expected.resize(heard.size());
    EXPECT_EQ(FirstDifference(heard, expected), -1)
        << "intro, then the loop file over and over, sample for sample";
    EXPECT_EQ(stream.State(), 1);
}

TEST_F(MusicStream, OneFileLoopsFromItsStart) {
    const Bytes piece = Decode(DataFile("short.ogg"));
    stream.Open(DataFile("short.ogg"), 1);
    stream.Play();
    const Bytes heard = Render(4.0);
    Bytes expected = Silence(kStartSilence);
    while (expected.size() < heard.size()) {
        expected.insert(expected.end(), piece.begin(), piece.end());
    }
    expected.resize(heard.size());
    EXPECT_EQ(FirstDifference(heard, expected), -1);
}

TEST_F(MusicStream, APieceThatDoesNotLoopEndsInSilence) {
    const Bytes piece = Decode(DataFile("short.ogg"));
    stream.Open(DataFile("short.ogg"), 0);
    stream.Play();
    const Bytes heard = Render(3.0);
    Bytes expected = Join({Silence(kStartSilence), piece});
    expected.resize(heard.size(), 0);
    EXPECT_EQ(FirstDifference(heard, expected), -1);
    EXPECT_EQ(stream.State(), 0) << "the worker went back to silence by itself";

    stream.Play(); // no file is open any more: nothing happens
    EXPECT_EQ(stream.State(), 0);
    EXPECT_EQ(Render(2.0), Silence(2 * 176400));
}

TEST_F(MusicStream, HaltSilencesAtOnceAndIsFreeWhenSilent) {
    stream.Open(DataFile("short.ogg"), 1);
    const int beforeHalt = stream.CommandCount();
    stream.Halt(); // state -1 after Open: a real command that closes the file
    EXPECT_EQ(stream.CommandCount(), beforeHalt + 1);
    stream.Play();
    EXPECT_EQ(stream.State(), 0) << "the halted file is gone";

    stream.Open(DataFile("short.ogg"), 1);
    stream.Play();
    Render(0.7);
    stream.Halt();
    EXPECT_EQ(stream.State(), 0);
    EXPECT_EQ(Render(2.5), Silence(static_cast<std::size_t>(2.5 * 176400)))
        << "the whole ring was silenced before Halt returned";

    const int silent = stream.CommandCount();
    stream.Halt(); // already silent: returns without a handshake
    EXPECT_EQ(stream.CommandCount(), silent);
}

TEST_F(MusicStream, OpeningANewPieceReplacesTheOldOne) {
    const Bytes intro = Decode(DataFile("intro.ogg"));
    stream.Open(DataFile("short.ogg"), 1);
    stream.Play();
    Render(1.5);
    stream.OpenIntro(DataFile("intro.ogg"), DataFile("loop.ogg"));
    EXPECT_EQ(Render(0.25), Silence(44100)) << "stopped between Open and Play";
    stream.Play();
    const Bytes heard = Render(2.0);
    Bytes expected = Join({Silence(kStartSilence), intro});
    expected.resize(heard.size());
    EXPECT_EQ(FirstDifference(heard, expected), -1) << "from the first sample of the new piece";
}

TEST_F(MusicStream, BadFilesLeaveSilence) {
    stream.Open("bgm/missing.ogg", 1);
    EXPECT_EQ(stream.LastError(), "Open Error: bgm/missing.ogg");
    stream.Play();
    EXPECT_NE(stream.State(), 1);
    EXPECT_EQ(Render(1.0), Silence(176400));

    const std::string text = (sound.dir / "text.ogg").string();
    std::ofstream(text) << "not an ogg stream, just words";
    stream.OpenIntro(text, DataFile("loop.ogg"));
    EXPECT_EQ(stream.LastError(), "Input does not appear to be an Ogg bitstream.");
    stream.Play();
    EXPECT_EQ(Render(0.5), Silence(88200));

    // A loop file that is missing: the intro plays, then the music stops.
    const Bytes intro = Decode(DataFile("short.ogg"));
    stream.OpenIntro(DataFile("short.ogg"), "bgm/gone.ogg");
    stream.Play();
    const Bytes heard = Render(3.0);
    Bytes expected = Join({Silence(kStartSilence), intro});
    expected.resize(heard.size(), 0);
    EXPECT_EQ(FirstDifference(heard, expected), -1);
    EXPECT_EQ(stream.LastError(), "Open Error: bgm/gone.ogg");
    EXPECT_EQ(stream.State(), 0);
}

TEST_F(MusicStream, MonoFilesPlayAsIfStereo) {
    const Bytes mono = Decode(DataFile("mono.ogg"));
    stream.Open(DataFile("mono.ogg"), 0);
    stream.Play();
    const Bytes heard = Render(1.0);
    Bytes expected = Join({Silence(kStartSilence), mono});
    expected.resize(heard.size(), 0);
    EXPECT_EQ(FirstDifference(heard, expected), -1) << "the samples pass through unchanged";
}

TEST(MusicStreamWithoutDevice, InitFailsAndCallsStayHarmless) {
    SoundManager none; // never initialised: no device
    COggStream stream;
    try {
        stream.Init(&none);
        FAIL() << "Init must fail without a device";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "CreateSoundBuffer失敗");
    }
    stream.Open("bgm/title.ogg", 0);
    stream.Play();
    stream.Halt();
    EXPECT_EQ(stream.Marker(), 0);
}

TEST_F(MusicStream, CommandsWhileTheCardPlaysOnItsOwnThread) {
    // The mixing thread runs freely, as a sound card does, while the game
    // thread changes pieces; every handshake must come back and the worker
    // must keep up with the notifications.
    std::atomic<bool> done{false};
    std::atomic<long> rendered{0};
    std::thread card([&] {
        while (!done.load()) {
            sound.mixer->Render(4096);
            rendered += 4096;
        }
    });
    for (int round = 0; round < 20; ++round) {
        if (round % 2) {
            stream.OpenIntro(DataFile("intro.ogg"), DataFile("loop.ogg"));
        } else {
            stream.Open(DataFile("short.ogg"), round % 4 == 0);
        }
        stream.Play();
        EXPECT_TRUE(stream.State() == 1 || stream.State() == 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (round % 3 == 0) {
            stream.Halt();
            EXPECT_EQ(stream.State(), 0);
        }
    }
    done = true;
    card.join();
    EXPECT_GT(rendered.load(), 0);
    EXPECT_EQ(stream.LastError(), "");
}

TEST(MusicDecoder, AHoleInTheStreamIsSkippedAndThePiecePlaysOn) {
    // One damaged audio page (its checksum no longer matches): the decoder
    // drops it and reports a hole once the next page arrives.
    std::ifstream in(DataFile("intro.ogg"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::size_t> pages;
    for (std::size_t at = bytes.find("OggS"); at != std::string::npos;
         at = bytes.find("OggS", at + 4)) {
        pages.push_back(at);
    }
    ASSERT_GE(pages.size(), 5u) << "headers and at least three audio pages";
    const std::size_t damaged = pages[pages.size() - 2];
    for (std::size_t i = damaged + 40; i < damaged + 60; ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    }
    char name[] = "/tmp/vrels-hole-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
    const std::string log = std::string(name) + ".log";
    vrels::SetLogPath(log);

    vrels::audio::OggStreamDecoder decoder;
    decoder.Open(name);
    std::size_t total = 0;
    char block[4096];
    long got = 0;
    while ((got = decoder.Read(block, sizeof block)) > 0) {
        total += static_cast<std::size_t>(got);
    }
    decoder.Close();
    vrels::SetLogPath("log.txt");
    std::ifstream logIn(log);
    const std::string logText((std::istreambuf_iterator<char>(logIn)),
                              std::istreambuf_iterator<char>());
    std::remove(name);
    std::remove(log.c_str());

    EXPECT_EQ(got, 0) << "the file is decoded to its end, not stopped by the hole";
    const std::size_t whole = Decode(DataFile("intro.ogg")).size();
    EXPECT_LT(total, whole) << "the damaged page's samples are gone";
    EXPECT_GT(total, whole / 2) << "the pages after the hole are played";
    EXPECT_NE(logText.find("OV_HOLE"), std::string::npos);
    EXPECT_EQ(logText.find("OV_HOLE"), logText.rfind("OV_HOLE")) << "logged once";
}
