#pragma once
// Sound effects loaded under names; the store keeps them alive, the sound
// manager's registry plays them.
#include "lib/SoundBuffer.h"

#include <map>
#include <memory>
#include <string>

class SoundStore {
public:
    virtual ~SoundStore() = default;
    virtual void Load(const std::string& name, const std::string& file) = 0;
    virtual SoundBuffer* Get(const std::string& name) = 0;
};

class RealSoundStore : public SoundStore {
public:
    void Load(const std::string& name, const std::string& file) override;
    SoundBuffer* Get(const std::string& name) override;

private:
    std::map<std::string, std::shared_ptr<SoundBuffer>> buffers_;
};
