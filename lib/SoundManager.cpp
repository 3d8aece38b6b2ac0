#include "lib/SoundManager.h"

#include "app/Log.h"
#include "lib/AudioDevice.h"
#include "lib/MixerSdl.h"
#include "lib/SoundBuffer.h"

using vrels::audio::SdlMixerDevice;

namespace {
SoundManager* g_current = nullptr;
}

struct SoundManagerImpl {
    std::shared_ptr<vrels::audio::AudioDevice> device;
    bool deviceGiven = false;
};

SoundManager::SoundManager() : impl(std::make_shared<SoundManagerImpl>()) {
    g_current = this;
}

SoundManager::~SoundManager() {
    // Effects still alive (the stores release theirs first) outlive the
    // registry; they keep their share of the device until they go.
    registry.clear();
    impl->device.reset();
    if (g_current == this) {
        g_current = nullptr;
    }
}

SoundManager* SoundManager::Current() {
    return g_current;
}

void SoundManager::UseDevice(std::shared_ptr<vrels::audio::AudioDevice> device) {
    impl->device = std::move(device);
    impl->deviceGiven = impl->device != nullptr;
}

std::shared_ptr<vrels::audio::AudioDevice> SoundManager::Device() const {
    return initialised ? impl->device : nullptr;
}

bool SoundManager::Init(vrels::platform::Window* w) {
    window = w;
    Log("DirectSound8 初期化開始\n");
    if (!impl->deviceGiven) {
        SdlMixerDevice::OpenResult result = SdlMixerDevice::OpenResult::Ok;
        auto device = SdlMixerDevice::Open(result);
        switch (result) {
        case SdlMixerDevice::OpenResult::NoAudioDriver:
            Log("\tDirectSoundCreate8失敗\n");
            return false;
        case SdlMixerDevice::OpenResult::DeviceFailed:
            Log("\tプライマリバッファの初期化失敗\n");
            return false;
        case SdlMixerDevice::OpenResult::FormatMismatch:
            Log("\tプライマリバッファのフォーマット設定失敗\n");
            return false;
        case SdlMixerDevice::OpenResult::Ok:
            break;
        }
        impl->device = std::move(device);
    }
    initialised = true;
    Log("\t初期化完了\n\n");
    return true;
}

SoundBuffer* SoundManager::Find(const std::string& name) const {
    const auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second;
}

void SoundManager::Play(const std::string& name, float x) {
    if (SoundBuffer* buffer = Find(name)) {
        buffer->Play(x);
    }
}

void SoundManager::PlayUnpanned(const std::string& name) {
    if (SoundBuffer* buffer = Find(name)) {
        buffer->PlayUnpanned();
    }
}

void SoundManager::SetEffectsVolume(int percent) {
    effectsVolume_ = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
}
