#pragma once
// RIFF/WAVE reading for sound effects and writing for recordings.
//
// Reading follows the RIFF rules the effects were always loaded by: the file
// must start with a "RIFF" chunk of form "WAVE"; inside it, a "fmt " chunk of
// at least 16 bytes gives the format (for any tag other than 1, plain PCM, two
// more bytes count extra format bytes that must follow inside the chunk); the
// "data" chunk is then searched again from the start of the form. Every size
// is checked against its container and the file before anything is read, so
// a truncated or lying header is refused, never read past.
#include "lib/AudioDevice.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrels::audio {

struct WaveFormat {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::uint8_t> extra; // the extra format bytes of non-PCM tags
};

struct WaveData {
    WaveFormat format;
    std::vector<std::uint8_t> samples; // the whole "data" chunk
};

// Parses a WAV file image; nothing when the RIFF structure is broken.
std::optional<WaveData> ParseWav(const std::vector<std::uint8_t>& file);

// The longest effect the game loads, after conversion: 30 s of 44100 Hz
// stereo, 5.3 MB. With the 21 start-up effects the program-wide effects hold at
// most 111 MB however the files are made.
constexpr int kMaxEffectSeconds = 30;
constexpr std::size_t kMaxEffectFrames = static_cast<std::size_t>(kMaxEffectSeconds) * kRate;

// Decodes PCM of 8 or 16 bits, any channel count and any rate into the
// device's format: 44100 Hz interleaved stereo. Mono plays on both sides; of
// more channels the first two are kept. Nothing (and the reason in *reason)
// when the format is not PCM of that kind, holds no whole sample frame, has a
// rate outside 100..200000 Hz or would last longer than kMaxEffectSeconds.
std::optional<StereoSamples> DecodeToDeviceFormat(const WaveData& wave,
                                                  std::string* reason = nullptr);

// Writes 16-bit stereo PCM at kRate; false (and errno set) on failure.
bool WriteWav(const std::string& path, const StereoSamples& samples);

} // namespace vrels::audio
