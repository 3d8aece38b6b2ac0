#pragma once
// A mixer without a sound card: nothing is heard until Render is called, which
// produces the next stretch of output exactly as the real device would mix it
// (music hook first, then every playing voice with its volume and pan). Tests
// drive it by hand; recordings write what it renders to a file.
#include "lib/AudioDevice.h"

#include <map>
#include <mutex>

namespace vrels::audio {

class OfflineMixer : public AudioDevice {
public:
    int AddVoice(std::shared_ptr<const StereoSamples> samples) override;
    void RemoveVoice(int voice) override;
    void RestartVoice(int voice) override;
    void StopVoice(int voice) override;
    void SetVoiceVolume(int voice, int volume) override;
    void SetVoicePan(int voice, int left, int right) override;
    void SetMusicHook(MusicHook hook, void* user) override;

    // Mixes the next frames (stereo pairs) and returns them interleaved.
    StereoSamples Render(int frames);

    // Inspection for tests.
    bool VoicePlaying(int voice) const;
    int VoiceCount() const;

private:
    struct Voice {
        std::shared_ptr<const StereoSamples> samples;
        std::size_t position = 0; // next sample index; size() when idle
        int volume = kMixerFullVolume;
        int left = 255;
        int right = 255;
        int pendingLeft = 255;
        int pendingRight = 255;
    };
    static constexpr int kMixerFullVolume = 128;

    mutable std::mutex mutex_;
    std::map<int, Voice> voices_;
    int nextVoice_ = 0;
    MusicHook hook_ = nullptr;
    void* hookUser_ = nullptr;
};

} // namespace vrels::audio
