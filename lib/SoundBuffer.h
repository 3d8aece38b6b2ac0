#pragma once
// One sound effect: a whole WAV file in one voice, panned by screen position.
// Playing an effect that still sounds cuts it off and starts it again; two
// different effects overlap. Something that needs its own voice of a sound
// loads its own buffer.
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
    // empty). On failure the message is reported (see SoundErrorReport.h) and
    // thrown as std::runtime_error: "Open Error: " + file for a missing or
    // malformed file, "サウンドバッファが生成できません" for audio the device
    // cannot play, and a notice when the sound device is not initialised.
    virtual void Load(const std::string& fileName, const std::string& effectName);
    // Plays from the start, panned for screen x (320 = centre).
    void Play(float x);
    // Restarts from the beginning without touching the pan.
    void PlayUnpanned();
    // Volume = master volume x the player's effects volume x factor, kept in
    // hundredths of a decibel.
    void SetVolume(float factor);

    // True once Load succeeded.
    bool Loaded() const;

    std::string fileName;
    int volume = 0; // hundredths of a decibel, -10000 = silence
    int pan = 0;    // -10000 (left only) .. 10000 (right only)
    std::shared_ptr<SoundBufferImpl> impl;

protected:
    std::string effectName_;
    float factor_ = 1.0f;
    int appliedEffectsVolume_ = 100; // the player's volume the voice was last set for

private:
    void LoadOrThrow(const std::string& file, const std::string& effectName);
    void Restart();
};

class PsSoundBuf : public SoundBuffer {};
