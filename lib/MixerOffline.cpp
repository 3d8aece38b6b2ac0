#include "lib/MixerOffline.h"

#include <algorithm>
#include <cstring>

namespace vrels::audio {

int OfflineMixer::AddVoice(std::shared_ptr<const StereoSamples> samples) {
    if (!samples || samples->empty()) {
        return -1;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    Voice voice;
    voice.position = samples->size();
    voice.samples = std::move(samples);
    const int id = nextVoice_++;
    voices_[id] = std::move(voice);
    return id;
}

void OfflineMixer::RemoveVoice(int voice) {
    std::lock_guard<std::mutex> lock(mutex_);
    voices_.erase(voice);
}

void OfflineMixer::RestartVoice(int voice) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = voices_.find(voice);
    if (it != voices_.end()) {
        it->second.position = 0;
        it->second.left = it->second.pendingLeft;
        it->second.right = it->second.pendingRight;
    }
}

void OfflineMixer::StopVoice(int voice) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = voices_.find(voice);
    if (it != voices_.end()) {
        it->second.position = it->second.samples->size();
    }
}

void OfflineMixer::SetVoiceVolume(int voice, int volume) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = voices_.find(voice);
    if (it != voices_.end()) {
        it->second.volume = std::clamp(volume, 0, kMixerFullVolume);
    }
}

void OfflineMixer::SetVoicePan(int voice, int left, int right) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = voices_.find(voice);
    if (it != voices_.end()) {
        it->second.pendingLeft = std::clamp(left, 0, 255);
        it->second.pendingRight = std::clamp(right, 0, 255);
    }
}

void OfflineMixer::SetMusicHook(MusicHook hook, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    hook_ = hook;
    hookUser_ = user;
}

StereoSamples OfflineMixer::Render(int frames) {
    StereoSamples out(static_cast<std::size_t>(std::max(frames, 0)) * kChannels, 0);
    if (out.empty()) {
        return out;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (hook_) {
        // The hook writes bytes in the device's format: little-endian 16-bit.
        hook_(hookUser_, reinterpret_cast<std::uint8_t*>(out.data()),
              static_cast<int>(out.size() * sizeof(std::int16_t)));
    }
    for (auto& entry : voices_) {
        Voice& voice = entry.second;
        const StereoSamples& samples = *voice.samples;
        const float gains[2] = {voice.left / 255.0f, voice.right / 255.0f};
        for (std::size_t i = 0; i < out.size() && voice.position < samples.size(); ++i) {
            // Pan first, then the channel volume, then add with clipping: the
            // order in which the real mixer applies them.
            const int panned = static_cast<int>(samples[voice.position] * gains[i % 2]);
            const int mixed = out[i] + panned * voice.volume / kMixerFullVolume;
            out[i] = static_cast<std::int16_t>(std::clamp(mixed, -32768, 32767));
            ++voice.position;
        }
    }
    return out;
}

bool OfflineMixer::VoicePlaying(int voice) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = voices_.find(voice);
    return it != voices_.end() && it->second.position < it->second.samples->size();
}

int OfflineMixer::VoiceCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(voices_.size());
}

} // namespace vrels::audio
