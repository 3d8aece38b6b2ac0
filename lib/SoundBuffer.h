#pragma once
// One sound effect: a whole WAV file in one voice, panned by screen position.
#include <memory>
#include <string>

struct SoundBufferImpl;

class SoundBuffer {
public:
    SoundBuffer();
    virtual ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Loads a WAV file and registers it under effectName (the file name when
    // empty). Throws std::runtime_error with the failure's message.
    virtual void Load(const std::string& fileName, const std::string& effectName);
    void Play(float x);
    // Restarts from the beginning without touching the pan.
    void PlayUnpanned();
    void SetVolume(float factor);

    std::string fileName;
    int volume = 0;
    int pan = 0;
    std::shared_ptr<SoundBufferImpl> impl;

protected:
    std::string effectName_;
};

class PsSoundBuf : public SoundBuffer {};
