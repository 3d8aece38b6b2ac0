#pragma once
// What the sound layer needs from an output device: one voice per effect and
// one music hook. The device plays 44100 Hz, signed 16-bit, interleaved stereo
// throughout; effects are converted to it when they load.
//
// Two devices exist: the SDL_mixer one that reaches the sound card, and an
// offline mixer that renders on request (tests and recordings).
#include <cstdint>
#include <memory>
#include <vector>

namespace vrels::audio {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBytesPerFrame = 4;

// Interleaved left/right samples at kRate.
using StereoSamples = std::vector<std::int16_t>;

// Called from the device's mixing thread to fill len bytes of output. It must
// not block or take long: it runs inside the sound card's deadline.
using MusicHook = void (*)(void* user, std::uint8_t* stream, int len);

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Makes a new voice for the samples; returns its number, or -1 when the
    // device has no room for it.
    virtual int AddVoice(std::shared_ptr<const StereoSamples> samples) = 0;
    // Stops the voice and forgets it; its number may be handed out again.
    virtual void RemoveVoice(int voice) = 0;
    // Cuts the voice off and plays it once from the beginning.
    virtual void RestartVoice(int voice) = 0;
    virtual void StopVoice(int voice) = 0;
    // Volume 0..128 and pan gains 0..255 (see AudioUnits.h for the mapping);
    // a new pan applies from the next restart.
    virtual void SetVoiceVolume(int voice, int volume) = 0;
    virtual void SetVoicePan(int voice, int left, int right) = 0;

    // Installs the music source, mixed under the voices; null removes it. When
    // this returns, the previous hook is no longer running.
    virtual void SetMusicHook(MusicHook hook, void* user) = 0;
};

} // namespace vrels::audio
