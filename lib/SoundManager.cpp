#include "lib/SoundManager.h"

#include "lib/SoundBuffer.h"

namespace {
SoundManager* g_current = nullptr;
}

struct SoundManagerImpl {};

SoundManager::SoundManager() : impl(std::make_shared<SoundManagerImpl>()) { g_current = this; }

SoundManager::~SoundManager() {
    if (g_current == this) {
        g_current = nullptr;
    }
}

SoundManager* SoundManager::Current() { return g_current; }

bool SoundManager::Init(vrels::platform::Window* w) {
    window = w;
    return false;
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
