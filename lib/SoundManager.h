#pragma once
// The sound device and the registry of loaded effects, played by name.
#include <map>
#include <memory>
#include <string>

namespace vrels::platform {
class Window;
}

class SoundBuffer;
struct SoundManagerImpl;

class SoundManager {
public:
    SoundManager();
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    static SoundManager* Current();

    bool Init(vrels::platform::Window* window);
    // Plays the effect registered under name, panned for screen x; an effect
    // that was never loaded plays nothing.
    void Play(const std::string& name, float x = 320.0f);
    // Restarts the effect from its beginning, keeping its last pan.
    void PlayUnpanned(const std::string& name);
    SoundBuffer* Find(const std::string& name) const;

    bool initialised = false;
    bool muted = false;
    float masterVolume = 1.0f;
    vrels::platform::Window* window = nullptr;
    std::map<std::string, SoundBuffer*> registry;
    std::shared_ptr<SoundManagerImpl> impl;
};
