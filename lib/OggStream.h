#pragma once
// Streamed background music. IOggStream itself is the silent stream used when
// music is off or no sound device exists: every call is harmless.
#include <string>

class SoundManager;

class IOggStream {
public:
    virtual ~IOggStream() = default;
    virtual void Init(SoundManager* /*device*/) {}
    virtual void Restart() {}
    virtual void Play() {}
    virtual void Halt() {}
    virtual void Open(const std::string& /*fileName*/, unsigned char /*loop*/) {}
    virtual void OpenIntro(const std::string& /*introFile*/, const std::string& /*loopFile*/) {}
    // The player's music volume in percent (0..100), heard at once.
    virtual void SetVolume(int /*percent*/) {}
};
