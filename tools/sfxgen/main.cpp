// vrels-sfxgen: renders sound-effect parameter files into WAV files.
// Usage: vrels-sfxgen INPUT.sfx OUTPUT.wav [INPUT.sfx OUTPUT.wav ...]

#include "tools/sfxgen/EffectParser.h"
#include "tools/sfxgen/EffectRenderer.h"
#include "tools/sfxgen/WavWriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

bool Generate(const std::string& input, const std::string& output) {
    std::string text;
    if (!ReadText(input, text)) {
        std::fprintf(stderr, "vrels-sfxgen: cannot read %s\n", input.c_str());
        return false;
    }
    try {
        const sfxgen::EffectDescription effect = sfxgen::ParseEffect(text, input);
        const std::vector<std::int16_t> pcm = sfxgen::ToPcm16(sfxgen::RenderEffect(effect));
        std::string error;
        if (!sfxgen::WriteWav(output, pcm, error)) {
            std::fprintf(stderr, "vrels-sfxgen: %s\n", error.c_str());
            return false;
        }
    } catch (const sfxgen::ParseError& e) {
        std::fprintf(stderr, "vrels-sfxgen: %s\n", e.what());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (argc - 1) % 2 != 0) {
        std::fprintf(stderr,
                     "usage: vrels-sfxgen INPUT.sfx OUTPUT.wav [INPUT.sfx OUTPUT.wav ...]\n");
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!Generate(argv[i], argv[i + 1])) {
            return 1;
        }
    }
    return 0;
}
