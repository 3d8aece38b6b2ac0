// The effect reader over any file image: it parses or refuses, and a decoded
// effect never exceeds the longest effect the game loads.
#include "lib/WavFile.h"
#include "tests/fuzz/FuzzTarget.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto wave = vrels::audio::ParseWav(bytes);
    if (!wave) {
        return 0;
    }
    FUZZ_CHECK(wave->samples.size() <= size);
    std::string reason;
    const auto samples = vrels::audio::DecodeToDeviceFormat(*wave, &reason);
    if (samples) {
        FUZZ_CHECK(!samples->empty());
        FUZZ_CHECK(samples->size() <= vrels::audio::kMaxEffectFrames * vrels::audio::kChannels);
        FUZZ_CHECK(samples->size() % vrels::audio::kChannels == 0);
    } else {
        FUZZ_CHECK(!reason.empty());
    }
    return 0;
}
