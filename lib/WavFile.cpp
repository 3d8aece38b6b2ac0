#include "lib/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vrels::audio {

namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
// Outside these rates a file is refused instead of resampled.
constexpr std::uint32_t kMinRate = 100;
constexpr std::uint32_t kMaxRate = 200000;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

struct Chunk {
    std::size_t data = 0; // offset of the chunk's contents
    std::size_t size = 0;
};

// Finds the chunk with the given id among the chunks in [begin, end). A chunk
// header or body that does not fit in the range ends the search unsuccessfully.
std::optional<Chunk> FindChunk(const std::vector<std::uint8_t>& file, std::size_t begin,
                               std::size_t end, const char* id) {
    std::size_t at = begin;
    while (end - at >= 8) {
        const std::uint32_t size = U32(&file[at + 4]);
        const std::size_t body = at + 8;
        if (size > end - body) {
            return std::nullopt;
        }
        if (std::memcmp(&file[at], id, 4) == 0) {
            return Chunk{body, size};
        }
        // Chunks start on even offsets: an odd-sized chunk is followed by a pad byte.
        const std::size_t next = body + size + (size & 1u);
        if (next > end) {
            return std::nullopt;
        }
        at = next;
    }
    return std::nullopt;
}

std::optional<WaveFormat> ReadFormat(const std::vector<std::uint8_t>& file, const Chunk& fmt) {
    if (fmt.size < 16) {
        return std::nullopt;
    }
    const std::uint8_t* p = &file[fmt.data];
    WaveFormat format;
    format.tag = U16(p);
    format.channels = U16(p + 2);
    format.samplesPerSecond = U32(p + 4);
    format.averageBytesPerSecond = U32(p + 8);
    format.blockAlign = U16(p + 12);
    format.bitsPerSample = U16(p + 14);
    if (format.tag != kTagPcm) {
        if (fmt.size < 18) {
            return std::nullopt;
        }
        const std::uint16_t extraBytes = U16(p + 16);
        if (extraBytes > fmt.size - 18) {
            return std::nullopt;
        }
        format.extra.assign(p + 18, p + 18 + extraBytes);
    }
    return format;
}

// True for plain PCM, and for the extensible header when its sub-format is PCM.
bool IsPcm(const WaveFormat& format) {
    if (format.tag == kTagPcm) {
        return true;
    }
    // Extensible: valid bits (2), channel mask (4), then the sub-format GUID
    // whose first two bytes are the classic tag.
    return format.tag == kTagExtensible && format.extra.size() >= 22 &&
           U16(&format.extra[6]) == kTagPcm;
}

} // namespace

std::optional<WaveData> ParseWav(const std::vector<std::uint8_t>& file) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0) {
        return std::nullopt;
    }
    const std::uint32_t riffSize = U32(&file[4]);
    if (riffSize < 4 || riffSize > file.size() - 8 || std::memcmp(&file[8], "WAVE", 4) != 0) {
        return std::nullopt;
    }
    const std::size_t formBegin = 12;
    const std::size_t formEnd = 8 + static_cast<std::size_t>(riffSize);

    const auto fmt = FindChunk(file, formBegin, formEnd, "fmt ");
    if (!fmt) {
        return std::nullopt;
    }
    auto format = ReadFormat(file, *fmt);
    if (!format) {
        return std::nullopt;
    }
    // The data chunk is looked for from the start of the form again, so it may
    // come before or after the format.
    const auto data = FindChunk(file, formBegin, formEnd, "data");
    if (!data) {
        return std::nullopt;
    }
    WaveData wave;
    wave.format = std::move(*format);
    wave.samples.assign(file.begin() + static_cast<std::ptrdiff_t>(data->data),
                        file.begin() + static_cast<std::ptrdiff_t>(data->data + data->size));
    return wave;
}

std::optional<StereoSamples> DecodeToDeviceFormat(const WaveData& wave, std::string* reason) {
    std::string ignored;
    std::string& why = reason ? *reason : ignored;
    const WaveFormat& f = wave.format;
    if (!IsPcm(f) || (f.bitsPerSample != 8 && f.bitsPerSample != 16) || f.channels == 0 ||
        f.blockAlign != f.channels * (f.bitsPerSample / 8)) {
        why = "not 8- or 16-bit PCM";
        return std::nullopt;
    }
    if (f.samplesPerSecond < kMinRate || f.samplesPerSecond > kMaxRate) {
        why = "sample rate " + std::to_string(f.samplesPerSecond) + " Hz outside " +
              std::to_string(kMinRate) + " to " + std::to_string(kMaxRate) + " Hz";
        return std::nullopt;
    }
    const std::size_t frames = wave.samples.size() / f.blockAlign;
    if (frames == 0) {
        why = "no whole sample frame";
        return std::nullopt;
    }
    const int bytes = f.bitsPerSample / 8;
    auto sampleAt = [&](std::size_t frame, int channel) -> int {
        const std::uint8_t* p = &wave.samples[frame * f.blockAlign + channel * bytes];
        return bytes == 1 ? (p[0] - 128) * 256 : static_cast<std::int16_t>(U16(p));
    };
    const int rightChannel = f.channels >= 2 ? 1 : 0;

    // Linear interpolation between neighbouring source frames; at the source
    // rate itself this copies the samples unchanged.
    const double step = static_cast<double>(f.samplesPerSecond) / kRate;
    const std::size_t outFrames = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::llround(static_cast<double>(frames) / step)));
    // The length is known before any sample is converted, so a long or
    // slow-rate file costs neither the memory nor the time.
    if (outFrames > kMaxEffectFrames) {
        why = "longer than " + std::to_string(kMaxEffectSeconds) + " s";
        return std::nullopt;
    }
    StereoSamples out(outFrames * kChannels);
    for (std::size_t i = 0; i < outFrames; ++i) {
        const double position = static_cast<double>(i) * step;
        const std::size_t a = std::min(static_cast<std::size_t>(position), frames - 1);
        const std::size_t b = std::min(a + 1, frames - 1);
        const double t = position - static_cast<double>(a);
        for (int c = 0; c < kChannels; ++c) {
            const int channel = c == 0 ? 0 : rightChannel;
            const double value = sampleAt(a, channel) * (1.0 - t) + sampleAt(b, channel) * t;
            out[i * kChannels + c] =
                static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
        }
    }
    return out;
}

bool WriteWav(const std::string& path, const StereoSamples& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::uint8_t header[44];
    auto put16 = [&](int at, std::uint32_t v) {
        header[at] = static_cast<std::uint8_t>(v);
        header[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto put32 = [&](int at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    std::memcpy(header, "RIFF", 4);
    put32(4, 36 + dataBytes);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, kTagPcm);
    put16(22, kChannels);
    put32(24, kRate);
    put32(28, kRate * kBytesPerFrame);
    put16(32, kBytesPerFrame);
    put16(34, 16);
    std::memcpy(header + 36, "data", 4);
    put32(40, dataBytes);

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    std::vector<std::uint8_t> bytes(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(samples[i]);
        bytes[2 * i] = static_cast<std::uint8_t>(v);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    if (std::fwrite(header, 1, sizeof header, file.get()) != sizeof header ||
        std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return false;
    }
    return std::fclose(file.release()) == 0;
}

} // namespace vrels::audio
