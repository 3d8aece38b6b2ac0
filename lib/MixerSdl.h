#pragma once
// The sound card through SDL2_mixer: one mixer channel per effect voice and
// SDL_mixer's music hook for the streamed music.
//
// Each effect was one static DirectSound buffer, so it gets exactly one mixer
// channel (allocated as effects register, reused when they go) holding its
// samples as a chunk. Stop + rewind + play becomes halt + pan + play on that
// channel; the buffer volume becomes Mix_Volume and its pan Mix_SetPanning
// (units converted in AudioUnits.h).
#include "lib/AudioDevice.h"

#include <map>
#include <memory>
#include <vector>

namespace vrels::audio {

class SdlMixerDevice : public AudioDevice {
public:
    // Where opening the device stopped.
    enum class OpenResult {
        Ok,
        NoAudioDriver,  // SDL's audio subsystem did not start
        DeviceFailed,   // the output device could not be opened
        FormatMismatch, // the device did not accept 44100 Hz, 16-bit stereo
    };

    // Opens the default output device; null when it failed, with the reason in
    // result (SDL's own text is printed to standard error).
    static std::shared_ptr<SdlMixerDevice> Open(OpenResult& result);
    ~SdlMixerDevice() override;

    int AddVoice(std::shared_ptr<const StereoSamples> samples) override;
    void RemoveVoice(int voice) override;
    void RestartVoice(int voice) override;
    void StopVoice(int voice) override;
    void SetVoiceVolume(int voice, int volume) override;
    void SetVoicePan(int voice, int left, int right) override;
    void SetMusicHook(MusicHook hook, void* user) override;

private:
    SdlMixerDevice() = default;
    struct Voice;
    Voice* Find(int voice);
    static void ApplyPan(const Voice& voice);

    std::map<int, std::unique_ptr<Voice>> voices_;
    std::vector<int> freeChannels_; // channels of removed voices, reused first
    int usedChannels_ = 0;
    int allocatedChannels_ = 0;
};

} // namespace vrels::audio
