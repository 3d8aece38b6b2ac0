#include "WavReader.h"

#include <fstream>
#include <iterator>

namespace {

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool Tag(const std::vector<unsigned char>& b, std::size_t at, const char* tag) {
    return std::string(b.begin() + at, b.begin() + at + 4) == tag;
}

} // namespace

bool ReadWav(const std::string& path, WavFile& wav, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
    if (b.size() < 12 || !Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE")) {
        error = path + ": not a RIFF/WAVE file";
        return false;
    }
    if (U32(b, 4) + 8 != b.size()) {
        error = path + ": RIFF size does not match the file size";
        return false;
    }
    bool haveFormat = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = U32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            error = path + ": chunk runs past the end of the file";
            return false;
        }
        if (Tag(b, at, "fmt ") && size >= 16) {
            wav.fmtSize = size;
            wav.formatTag = U16(b, body);
            wav.channels = U16(b, body + 2);
            wav.sampleRate = static_cast<int>(U32(b, body + 4));
            wav.bitsPerSample = U16(b, body + 14);
            haveFormat = true;
        } else if (Tag(b, at, "data")) {
            wav.samples.clear();
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(U16(b, body + i)));
            }
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        error = path + ": missing fmt or data chunk";
        return false;
    }
    return true;
}
