#include "resource/CTexture.h"

#include "lib/DxGraphics.h"

CTexture::CTexture() : impl(std::make_shared<CTextureImpl>()) {}

CTexture::~CTexture() {
    if (DxGraphics* graphics = DxGraphics::Current()) {
        graphics->Unregister(this);
    }
    impl->texture.reset();
}

void CTexture::Load(const std::string& fileName, bool centred) {
    Load(fileName, fileName, centred);
}

void CTexture::Load(const std::string& textureName, const std::string& fileName, bool centred) {
    name = textureName;
    file = fileName;
    if (DxGraphics* graphics = DxGraphics::Current()) {
        graphics->CreateTextureFromFile(this, file);
        graphics->Register(this);
    }
    if (centred) {
        cx = static_cast<float>(right - left) * 0.5f;
        cy = static_cast<float>(bottom - top) * 0.5f;
    }
}

CTexture* FindTexture(const std::string& name) {
    DxGraphics* graphics = DxGraphics::Current();
    return graphics ? graphics->FindTexture(name) : nullptr;
}
