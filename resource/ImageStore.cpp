#include "resource/ImageStore.h"

void RealImageStore::Load(const std::string& name, const std::string& file, bool powerOfTwo) {
    auto texture = std::make_shared<CTexture>();
    texture->powerOfTwo = powerOfTwo;
    texture->Load(name, file, false);
    textures_[name] = std::move(texture);
}

CTexture* RealImageStore::Get(const std::string& name) {
    return textures_[name].get();
}
