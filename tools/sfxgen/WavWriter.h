#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sfxgen {

// Converts -1..1 samples to 16-bit integers (rounded, clamped).
std::vector<std::int16_t> ToPcm16(const std::vector<double>& samples);

// Writes a mono 16-bit PCM RIFF/WAVE file at the sample rate of the effects.
// On failure returns false and describes the problem in `error`.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& pcm, std::string& error);

} // namespace sfxgen
