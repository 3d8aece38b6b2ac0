#pragma once
// Textures loaded under names and kept alive by their owner.
#include "resource/CTexture.h"

#include <map>
#include <memory>
#include <string>

class ImageStore {
public:
    virtual ~ImageStore() = default;
    virtual void Load(const std::string& name, const std::string& file, bool powerOfTwo) = 0;
    virtual CTexture* Get(const std::string& name) = 0;
};

class RealImageStore : public ImageStore {
public:
    void Load(const std::string& name, const std::string& file, bool powerOfTwo) override;
    CTexture* Get(const std::string& name) override;

private:
    std::map<std::string, std::shared_ptr<CTexture>> textures_;
};
