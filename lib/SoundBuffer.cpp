#include "lib/SoundBuffer.h"

#include "lib/SoundManager.h"

#include <stdexcept>

struct SoundBufferImpl {};

SoundBuffer::SoundBuffer() : impl(std::make_shared<SoundBufferImpl>()) {}

SoundBuffer::~SoundBuffer() {
    if (SoundManager* manager = SoundManager::Current()) {
        const auto it = manager->registry.find(effectName_);
        if (it != manager->registry.end() && it->second == this) {
            manager->registry.erase(it);
        }
    }
}

void SoundBuffer::Load(const std::string& file, const std::string& effectName) {
    SoundManager* manager = SoundManager::Current();
    if (!manager || !manager->initialised) {
        throw std::runtime_error("SoundBuffer::Load まだSoundManagerの初期化が終わっていません");
    }
    fileName = file;
    effectName_ = effectName.empty() ? file : effectName;
    manager->registry[effectName_] = this;
}

void SoundBuffer::Play(float) {}

void SoundBuffer::SetVolume(float) {}

void SoundBuffer::PlayUnpanned() {}
