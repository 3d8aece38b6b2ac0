#include "lib/SoundBuffer.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "lib/AudioDevice.h"
#include "lib/AudioUnits.h"
#include "lib/SoundErrorReport.h"
#include "lib/SoundManager.h"
#include "lib/WavFile.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace audio = vrels::audio;

namespace {

const char* const kNotInitialised = "SoundBuffer::Load まだSoundManagerの初期化が終わっていません";
const char* const kCannotCreate = "サウンドバッファが生成できません";

// No effect file is larger: 30 s at the highest rate, eight channels.
constexpr std::size_t kMaxEffectFileBytes = 128u << 20;

// Reads a whole file; false when it cannot be opened or read, or is larger
// than any effect.
bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    std::uint8_t block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) {
        bytes.insert(bytes.end(), block, block + got);
        if (bytes.size() > kMaxEffectFileBytes) {
            Log("Effect refused: %s: larger than %zu bytes\n", path.c_str(), kMaxEffectFileBytes);
            return false;
        }
    }
    return std::ferror(file.get()) == 0;
}

} // namespace

// The effect's voice on the device; removing it stops the sound.
struct SoundBufferImpl {
    std::shared_ptr<audio::AudioDevice> device;
    int voice = -1;

    ~SoundBufferImpl() { Release(); }
    void Release() {
        if (device && voice >= 0) {
            device->RemoveVoice(voice);
        }
        voice = -1;
        device.reset();
    }
};

SoundBuffer::SoundBuffer() : impl(std::make_shared<SoundBufferImpl>()) {}

SoundBuffer::~SoundBuffer() {
    impl->Release();
    if (SoundManager* manager = SoundManager::Current()) {
        const auto it = manager->registry.find(effectName_);
        if (it != manager->registry.end() && it->second == this) {
            manager->registry.erase(it);
        }
    }
}

bool SoundBuffer::Loaded() const {
    return impl->voice >= 0;
}

void SoundBuffer::Load(const std::string& file, const std::string& effectName) {
    SoundManager* manager = SoundManager::Current();
    if (!manager || !manager->initialised) {
        // Init has already logged why there is no device; say it once more in
        // the log, without a dialog for every effect.
        audio::LogSoundError(kNotInitialised);
        throw std::runtime_error(kNotInitialised);
    }
    try {
        LoadOrThrow(file, effectName);
    } catch (const std::runtime_error& e) {
        audio::ReportSoundError(e.what());
        throw;
    }
}

void SoundBuffer::LoadOrThrow(const std::string& file, const std::string& effectName) {
    SoundManager* manager = SoundManager::Current();
    const std::string path = vrels::DataPath(file);
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(path, bytes)) {
        throw std::runtime_error("Open Error: " + path);
    }
    const auto wave = audio::ParseWav(bytes);
    if (!wave) {
        // Cut short, or a chunk that claims more than the file holds.
        throw std::runtime_error("Open Error: " + path);
    }
    std::string reason;
    auto samples = audio::DecodeToDeviceFormat(*wave, &reason);
    if (!samples) {
        // The message is the sound layer's own; the log says which file and why.
        Log("Effect refused: %s: %s\n", path.c_str(), reason.c_str());
        throw std::runtime_error(kCannotCreate);
    }
    auto device = manager->Device();
    if (!device) {
        throw std::runtime_error(kCannotCreate);
    }
    const int voice =
        device->AddVoice(std::make_shared<const audio::StereoSamples>(std::move(*samples)));
    if (voice < 0) {
        throw std::runtime_error(kCannotCreate);
    }
    impl->Release(); // a buffer loaded twice gives up its first voice
    impl->device = std::move(device);
    impl->voice = voice;

    fileName = file;
    effectName_ = effectName.empty() ? file : effectName;
    SetVolume(1.0f);
    pan = 0; // the new voice starts centred
    manager->registry[effectName_] = this;
}

void SoundBuffer::SetVolume(float factor) {
    const SoundManager* manager = SoundManager::Current();
    const float master = manager ? manager->masterVolume : 1.0f;
    const int percent = manager ? manager->EffectsVolume() : 100;
    factor_ = factor;
    appliedEffectsVolume_ = percent;
    volume = audio::VolumeForLevel(master * factor * static_cast<float>(percent) / 100.0f);
    if (Loaded()) {
        impl->device->SetVoiceVolume(impl->voice, audio::MixerVolume(volume));
    }
}

void SoundBuffer::Play(float x) {
    const int newPan = audio::PanForX(x);
    if (newPan != pan) {
        pan = newPan;
        if (Loaded()) {
            const audio::PanGains gains = audio::MixerPan(pan);
            impl->device->SetVoicePan(impl->voice, gains.left, gains.right);
        }
    }
    Restart();
}

void SoundBuffer::PlayUnpanned() {
    Restart();
}

void SoundBuffer::Restart() {
    const SoundManager* manager = SoundManager::Current();
    if (!Loaded() || !manager || manager->muted) {
        return;
    }
    // The player may have changed the effects volume since this voice was set.
    if (manager->EffectsVolume() != appliedEffectsVolume_) {
        SetVolume(factor_);
    }
    impl->device->RestartVoice(impl->voice);
}
