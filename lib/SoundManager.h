#pragma once
// The sound device and the registry of loaded effects, played by name.
//
// The device is SDL2_mixer opened at 44100 Hz, signed 16-bit stereo (SDL
// converts for hardware that wants something else). Init writes the same
// start-up log lines the game always wrote; their steps map onto SDL as:
// creating the sound object = starting SDL's audio subsystem, creating the
// primary buffer = opening the mixer device, setting its format = checking
// that the mixer really runs in the format above.
//
// Tests and offline recordings hand in their own device with UseDevice before
// Init; the rest of the sound layer cannot tell the difference.
#include <map>
#include <memory>
#include <string>

namespace vrels::platform {
class Window;
}
namespace vrels::audio {
class AudioDevice;
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

    // Makes Init use this device instead of opening the sound card.
    void UseDevice(std::shared_ptr<vrels::audio::AudioDevice> device);
    // Opens the device. False (logged) leaves the manager uninitialised: no
    // effect loads and the application installs the silent music stream.
    bool Init(vrels::platform::Window* window);
    // The open device; null before a successful Init.
    std::shared_ptr<vrels::audio::AudioDevice> Device() const;

    // Plays the effect registered under name, panned for screen x; an effect
    // that was never loaded plays nothing.
    void Play(const std::string& name, float x = 320.0f);
    // Restarts the effect from its beginning, keeping its last pan.
    void PlayUnpanned(const std::string& name);
    SoundBuffer* Find(const std::string& name) const;

    // The player's effects volume in percent (0..100); every effect takes it
    // from its next start on.
    void SetEffectsVolume(int percent);
    int EffectsVolume() const { return effectsVolume_; }

    bool initialised = false;
    bool muted = false;
    float masterVolume = 1.0f;
    vrels::platform::Window* window = nullptr;
    std::map<std::string, SoundBuffer*> registry;
    std::shared_ptr<SoundManagerImpl> impl;

private:
    int effectsVolume_ = 100;
};
