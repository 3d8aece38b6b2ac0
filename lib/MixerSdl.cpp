#include "lib/MixerSdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

namespace vrels::audio {

namespace {
// 1024 frames (23 ms) per mixing pass: short enough for effects to start with
// their frame, long enough not to underrun on a busy machine.
constexpr int kChunkFrames = 1024;

void ReportSdlError(const char* call) {
    std::fprintf(stderr, "vrels: %s failed: %s\n", call, SDL_GetError());
}
} // namespace

// One effect: its samples (kept alive while the mixer may read them) and the
// mixer channel that is its only voice.
struct SdlMixerDevice::Voice {
    std::shared_ptr<const StereoSamples> samples;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;
    int left = 255; // pan gains, applied at every start
    int right = 255;
};

std::shared_ptr<SdlMixerDevice> SdlMixerDevice::Open(OpenResult& result) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        ReportSdlError("SDL_InitSubSystem(SDL_INIT_AUDIO)");
        result = OpenResult::NoAudioDriver;
        return nullptr;
    }
    // No allowed changes: SDL converts to whatever the hardware wants, so the
    // mixer, the effects and the music all see exactly this format.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16LSB, kChannels, kChunkFrames, nullptr, 0) != 0) {
        ReportSdlError("Mix_OpenAudioDevice");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        result = OpenResult::DeviceFailed;
        return nullptr;
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) == 0 || rate != kRate || format != AUDIO_S16LSB ||
        channels != kChannels) {
        std::fprintf(stderr, "vrels: the audio device runs at %d Hz, format 0x%x, %d channels\n",
                     rate, format, channels);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        result = OpenResult::FormatMismatch;
        return nullptr;
    }
    result = OpenResult::Ok;
    auto device = std::shared_ptr<SdlMixerDevice>(new SdlMixerDevice());
    // The mixer opens with a few channels; more are added as effects register.
    device->allocatedChannels_ = Mix_AllocateChannels(-1);
    return device;
}

SdlMixerDevice::~SdlMixerDevice() {
    Mix_HookMusic(nullptr, nullptr);
    Mix_HaltChannel(-1);
    for (auto& entry : voices_) {
        Mix_FreeChunk(entry.second->chunk);
    }
    voices_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SdlMixerDevice::Voice* SdlMixerDevice::Find(int voice) {
    const auto it = voices_.find(voice);
    return it == voices_.end() ? nullptr : it->second.get();
}

int SdlMixerDevice::AddVoice(std::shared_ptr<const StereoSamples> samples) {
    if (!samples || samples->empty()) {
        return -1;
    }
    int channel = -1;
    if (!freeChannels_.empty()) {
        channel = freeChannels_.back();
        freeChannels_.pop_back();
    } else {
        if (usedChannels_ >= allocatedChannels_) {
            const int wanted = usedChannels_ + 1;
            if (Mix_AllocateChannels(wanted) != wanted) {
                ReportSdlError("Mix_AllocateChannels");
                return -1;
            }
            allocatedChannels_ = wanted;
        }
        channel = usedChannels_++;
    }
    auto voice = std::make_unique<Voice>();
    voice->samples = std::move(samples);
    // The chunk points into our samples; the voice keeps them alive.
    auto* bytes = reinterpret_cast<Uint8*>(const_cast<std::int16_t*>(voice->samples->data()));
    const Uint32 length = static_cast<Uint32>(voice->samples->size() * sizeof(std::int16_t));
    voice->chunk = Mix_QuickLoad_RAW(bytes, length);
    if (!voice->chunk) {
        ReportSdlError("Mix_QuickLoad_RAW");
        freeChannels_.push_back(channel);
        return -1;
    }
    voice->channel = channel;
    Mix_HaltChannel(channel);
    Mix_Volume(channel, MIX_MAX_VOLUME);
    voices_[channel] = std::move(voice);
    return channel;
}

void SdlMixerDevice::RemoveVoice(int voiceId) {
    Voice* voice = Find(voiceId);
    if (!voice) {
        return;
    }
    Mix_HaltChannel(voice->channel);
    Mix_FreeChunk(voice->chunk);
    freeChannels_.push_back(voice->channel);
    voices_.erase(voiceId);
}

void SdlMixerDevice::ApplyPan(const Voice& voice) {
    // Full level on both sides is the mixer's default: no panning effect needed.
    if (voice.left == 255 && voice.right == 255) {
        return;
    }
    if (Mix_SetPanning(voice.channel, static_cast<Uint8>(voice.left),
                       static_cast<Uint8>(voice.right)) == 0) {
        ReportSdlError("Mix_SetPanning");
    }
}

void SdlMixerDevice::RestartVoice(int voiceId) {
    Voice* voice = Find(voiceId);
    if (!voice) {
        return;
    }
    // SDL_mixer drops a channel's panning whenever the channel stops, and a
    // play on a busy channel stops it first. So: stop, pan the idle channel,
    // then start; the pan is in place before the first sample is mixed.
    Mix_HaltChannel(voice->channel);
    ApplyPan(*voice);
    if (Mix_PlayChannel(voice->channel, voice->chunk, 0) < 0) {
        ReportSdlError("Mix_PlayChannel");
    }
}

void SdlMixerDevice::StopVoice(int voiceId) {
    if (Voice* voice = Find(voiceId)) {
        Mix_HaltChannel(voice->channel);
    }
}

void SdlMixerDevice::SetVoiceVolume(int voiceId, int volume) {
    if (Voice* voice = Find(voiceId)) {
        Mix_Volume(voice->channel, volume);
    }
}

void SdlMixerDevice::SetVoicePan(int voiceId, int left, int right) {
    Voice* voice = Find(voiceId);
    if (!voice) {
        return;
    }
    // Takes effect at the next start, which is the only time the game pans.
    voice->left = left;
    voice->right = right;
}

void SdlMixerDevice::SetMusicHook(MusicHook hook, void* user) {
    // SDL_mixer takes the audio lock here, so a running hook finishes first.
    Mix_HookMusic(hook, user);
}

} // namespace vrels::audio
