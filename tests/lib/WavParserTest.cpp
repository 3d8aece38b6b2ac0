#include "lib/WavFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <unistd.h>

using namespace vrels::audio;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutId(Bytes& b, const char* id) {
    b.insert(b.end(), id, id + 4);
}

Bytes Chunk(const char* id, const Bytes& body) {
    Bytes b;
    PutId(b, id);
    Put32(b, static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2) {
        b.push_back(0);
    }
    return b;
}

Bytes Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    Bytes b;
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes form;
    PutId(form, "WAVE");
    for (const auto& c : chunks) {
        form.insert(form.end(), c.begin(), c.end());
    }
    Bytes b;
    PutId(b, "RIFF");
    Put32(b, static_cast<std::uint32_t>(form.size()));
    b.insert(b.end(), form.begin(), form.end());
    return b;
}

Bytes Samples16(std::initializer_list<int> values) {
    Bytes b;
    for (int v : values) {
        Put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return b;
}

// A good 16-bit stereo file with four frames.
Bytes GoodFile() {
    return Riff({Chunk("fmt ", Format(1, 2, 44100, 16)),
                 Chunk("data", Samples16({1, -1, 2, -2, 3, -3, 4, -4}))});
}

void SetU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

} // namespace

TEST(WavParser, ReadsTheFormatAndTheData) {
    const auto wave = ParseWav(GoodFile());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.tag, 1);
    EXPECT_EQ(wave->format.channels, 2);
    EXPECT_EQ(wave->format.samplesPerSecond, 44100u);
    EXPECT_EQ(wave->format.bitsPerSample, 16);
    EXPECT_EQ(wave->samples, Samples16({1, -1, 2, -2, 3, -3, 4, -4}));
}

TEST(WavParser, FindsChunksInAnyOrderAndSkipsOthers) {
    // "data" before "fmt ", and an odd-sized chunk with its pad byte between.
    const Bytes data = Samples16({5, 6});
    const auto wave = ParseWav(Riff({Chunk("LIST", Bytes{'a', 'b', 'c'}), Chunk("data", data),
                                     Chunk("fmt ", Format(1, 1, 8000, 16))}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.channels, 1);
    EXPECT_EQ(wave->samples, data);
}

TEST(WavParser, NonPcmFormatsCarryTheirExtraBytes) {
    Bytes fmt = Format(3, 2, 44100, 32);
    Put16(fmt, 2);
    fmt.push_back(0xAB);
    fmt.push_back(0xCD);
    const auto wave = ParseWav(Riff({Chunk("fmt ", fmt), Chunk("data", Bytes(8, 0))}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.extra, (Bytes{0xAB, 0xCD}));
    EXPECT_FALSE(DecodeToDeviceFormat(*wave)) << "float samples are not PCM we can play";
}

TEST(WavParser, RefusesBrokenFiles) {
    struct Case {
        const char* what;
        std::function<Bytes()> make;
    };
    const std::vector<Case> cases = {
        {"empty file", [] { return Bytes{}; }},
        {"not RIFF",
         [] {
             Bytes b = GoodFile();
             b[3] = 'X';
             return b;
         }},
        {"form is not WAVE",
         [] {
             Bytes b = GoodFile();
             b[11] = 'X';
             return b;
         }},
        {"RIFF size past the end of the file",
         [] {
             Bytes b = GoodFile();
             SetU32(b, 4, static_cast<std::uint32_t>(b.size()));
             return b;
         }},
        {"absurd RIFF size",
         [] {
             Bytes b = GoodFile();
             SetU32(b, 4, 0xFFFFFFF0u);
             return b;
         }},
        {"RIFF size too small for the form type",
         [] {
             Bytes b = GoodFile();
             SetU32(b, 4, 2);
             return b;
         }},
        {"no fmt chunk",
         [] {
             return Riff({Chunk("data", Samples16({1, 2}))});
         }},
        {"fmt chunk shorter than 16 bytes",
         [] {
             Bytes fmt = Format(1, 2, 44100, 16);
             fmt.resize(14);
             return Riff({Chunk("fmt ", fmt), Chunk("data", Samples16({1, 2}))});
         }},
        {"non-PCM fmt without the extra-size field",
         [] {
             return Riff({Chunk("fmt ", Format(2, 2, 44100, 4)), Chunk("data", Bytes(4))});
         }},
        {"extra bytes past the end of the fmt chunk",
         [] {
             Bytes fmt = Format(2, 2, 44100, 4);
             Put16(fmt, 40);
             return Riff({Chunk("fmt ", fmt), Chunk("data", Bytes(4))});
         }},
        {"no data chunk", [] { return Riff({Chunk("fmt ", Format(1, 2, 44100, 16))}); }},
        {"data size past the end of the form",
         [] {
             Bytes b = GoodFile();
             SetU32(b, b.size() - 16 - 4, 1000); // the data chunk's size field
             return b;
         }},
        {"absurd chunk size before the data",
         [] {
             Bytes b = Riff({Chunk("junk", Bytes(4)), Chunk("fmt ", Format(1, 2, 44100, 16)),
                             Chunk("data", Bytes(4))});
             SetU32(b, 16, 0xFFFFFFFFu);
             return b;
         }},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ParseWav(c.make())) << c.what;
    }
}

TEST(WavParser, EveryTruncationIsRefused) {
    const Bytes good = GoodFile();
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(ParseWav(Bytes(good.begin(), good.begin() + length)))
            << "cut to " << length << " bytes";
    }
}

TEST(WavParser, CorruptedHeadersNeverReadOutside) {
    // Random damage to the header bytes: whatever the parser decides, anything
    // it returns lies inside the file it was given.
    std::mt19937 random(7);
    const Bytes good = GoodFile();
    for (int round = 0; round < 5000; ++round) {
        Bytes b = good;
        const int hits = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < hits; ++i) {
            b[random() % 44] = static_cast<std::uint8_t>(random());
        }
        if (random() % 2) {
            b.resize(random() % b.size());
        }
        const auto wave = ParseWav(b);
        if (wave) {
            ASSERT_LE(wave->samples.size() + 28, b.size());
            DecodeToDeviceFormat(*wave); // must not crash either
        }
    }
}

TEST(WavParser, DecodesPcmIntoTheDeviceFormat) {
    // 16-bit stereo at the device rate comes through unchanged.
    auto same = DecodeToDeviceFormat(*ParseWav(GoodFile()));
    ASSERT_TRUE(same);
    EXPECT_EQ(*same, (StereoSamples{1, -1, 2, -2, 3, -3, 4, -4}));

    // 8-bit mono at half the rate: unsigned to signed, both sides, twice as long.
    const auto mono8 = ParseWav(
        Riff({Chunk("fmt ", Format(1, 1, 22050, 8)), Chunk("data", Bytes{128, 192, 64, 128})}));
    auto decoded = DecodeToDeviceFormat(*mono8);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 8u * 2);
    EXPECT_EQ((*decoded)[0], 0);
    EXPECT_EQ((*decoded)[1], 0);
    EXPECT_EQ((*decoded)[2], 8192) << "halfway between 0 and 16384";
    EXPECT_EQ((*decoded)[4], 16384);
    EXPECT_EQ((*decoded)[5], 16384);
    EXPECT_EQ((*decoded)[8], -16384);

    // Four channels keep the first two.
    const auto quad = ParseWav(
        Riff({Chunk("fmt ", Format(1, 4, 44100, 16)), Chunk("data", Samples16({10, 20, 30, 40}))}));
    decoded = DecodeToDeviceFormat(*quad);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, (StereoSamples{10, 20}));
}

TEST(WavParser, RefusesAudioItCannotPlay) {
    auto decode = [](const Bytes& fmt, const Bytes& data) {
        return DecodeToDeviceFormat(*ParseWav(Riff({Chunk("fmt ", fmt), Chunk("data", data)})));
    };
    EXPECT_FALSE(decode(Format(1, 2, 44100, 24), Bytes(12))) << "24-bit";
    EXPECT_FALSE(decode(Format(1, 0, 44100, 16), Bytes(4))) << "no channels";
    EXPECT_FALSE(decode(Format(1, 2, 0, 16), Bytes(4))) << "no rate";
    EXPECT_FALSE(decode(Format(1, 2, 99, 16), Bytes(4))) << "rate below 100 Hz";
    EXPECT_FALSE(decode(Format(1, 2, 200001, 16), Bytes(4))) << "rate above 200 kHz";
    EXPECT_TRUE(decode(Format(1, 2, 200000, 16), Bytes(4))) << "the highest rate";
    // 160000 frames at 100 Hz would resample to 70 million frames (280 MB).
    EXPECT_FALSE(decode(Format(1, 1, 100, 8), Bytes(160000, 128))) << "too long once resampled";
    EXPECT_FALSE(decode(Format(1, 2, 44100, 16), Bytes{})) << "no samples";
    EXPECT_FALSE(decode(Format(1, 2, 44100, 16), Bytes(3))) << "less than one frame";
    Bytes badAlign = Format(1, 2, 44100, 16);
    badAlign[12] = 3;
    EXPECT_FALSE(decode(badAlign, Bytes(12))) << "block size that does not match";

    // The extensible header is fine when it wraps plain PCM.
    Bytes extensible = Format(0xFFFE, 2, 44100, 16);
    Put16(extensible, 22);
    Put16(extensible, 16);                     // valid bits
    Put32(extensible, 3);                      // channel mask
    Put16(extensible, 1);                      // sub-format: PCM ...
    extensible.resize(extensible.size() + 14); // ... rest of the GUID
    EXPECT_TRUE(decode(extensible, Samples16({1, 2})));
}

TEST(WavParser, WrittenFilesReadBack) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vrels-wav-" + std::to_string(::getpid()) + ".wav");
    const StereoSamples samples = {0, 1, -1, 32767, -32768, 12345};
    ASSERT_TRUE(WriteWav(path.string(), samples));
    std::ifstream in(path, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    const auto wave = ParseWav(bytes);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format.samplesPerSecond, 44100u);
    EXPECT_EQ(*DecodeToDeviceFormat(*wave), samples);
    EXPECT_FALSE(WriteWav("/nonexistent-dir/x.wav", samples));
}

TEST(WavParser, EffectsLongerThanThirtySecondsAreRefusedBeforeConversion) {
    auto decode = [](const Bytes& fmt, const Bytes& data, std::string* reason) {
        return DecodeToDeviceFormat(*ParseWav(Riff({Chunk("fmt ", fmt), Chunk("data", data)})),
                                    reason);
    };
    std::string reason;
    // 150 KB at 100 Hz: 25 minutes, which resampled would take 230 MB.
    EXPECT_FALSE(decode(Format(1, 1, 100, 8), Bytes(150000, 128), &reason));
    EXPECT_EQ(reason, "longer than 30 s");
    // Exactly 30 s at the device rate loads; one frame more does not.
    const auto full = decode(Format(1, 1, 44100, 8), Bytes(30 * 44100, 128), &reason);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->size(), kMaxEffectFrames * kChannels);
    EXPECT_FALSE(decode(Format(1, 1, 44100, 8), Bytes(30 * 44100 + 1, 128), &reason));
    EXPECT_FALSE(decode(Format(1, 2, 99, 16), Bytes(4), &reason));
    EXPECT_EQ(reason, "sample rate 99 Hz outside 100 to 200000 Hz");
}
