#include "tools/sfxgen/WavWriter.h"

#include "tools/sfxgen/EffectDescription.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sfxgen {
namespace {

void PutU32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xff));
    }
}

void PutU16(std::vector<unsigned char>& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xff));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void PutTag(std::vector<unsigned char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::vector<std::int16_t> ToPcm16(const std::vector<double>& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        const double scaled = std::round(s * 32767.0);
        pcm.push_back(static_cast<std::int16_t>(std::max(-32768.0, std::min(32767.0, scaled))));
    }
    return pcm;
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& pcm, std::string& error) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataBytes);
    PutTag(bytes, "RIFF");
    PutU32(bytes, 36 + dataBytes);
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutU32(bytes, 16);
    PutU16(bytes, 1); // PCM
    PutU16(bytes, 1); // mono: the player pans each effect itself
    PutU32(bytes, kSampleRate);
    PutU32(bytes, kSampleRate * 2); // bytes per second
    PutU16(bytes, 2);               // block align
    PutU16(bytes, 16);              // bits per sample
    PutTag(bytes, "data");
    PutU32(bytes, dataBytes);
    for (std::int16_t s : pcm) {
        PutU16(bytes, static_cast<std::uint16_t>(s));
    }

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        error = "cannot finish " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace sfxgen
