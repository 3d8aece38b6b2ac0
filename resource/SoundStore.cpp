#include "resource/SoundStore.h"

void RealSoundStore::Load(const std::string& name, const std::string& file) {
    auto buffer = std::make_shared<PsSoundBuf>();
    buffer->Load(file, name); // throws on failure: the entry is then not stored
    buffers_[name] = std::move(buffer);
}

SoundBuffer* RealSoundStore::Get(const std::string& name) {
    return buffers_[name].get();
}
