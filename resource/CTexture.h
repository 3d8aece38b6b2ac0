#pragma once
// One image file on the graphics device, plus the drawing state of the next
// sprite drawn from it (source rectangle, centre, scale, flips). Textures are
// shared: every drawing object sets what it relies on right before drawing.
#include "lib/GraphicsBackend.h"

#include <memory>
#include <string>

struct CTextureImpl {
    std::shared_ptr<vrels::BackendTexture> texture; // null until loaded, or after a failed load
    vrels::ImageInfo info;
    bool loadFailed = false;
};

class CTexture {
public:
    CTexture();
    ~CTexture();
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;

    void Load(const std::string& file, bool centred);
    void Load(const std::string& name, const std::string& file, bool centred);

    void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetCentre(float x, float y) {
        cx = x;
        cy = y;
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    std::string name;
    std::string file;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    float cx = 0;
    float cy = 0;
    float scale = 1.0f;
    bool powerOfTwo = false;
    bool flipH = false;
    bool flipV = false;
    std::shared_ptr<CTextureImpl> impl;
};

// The texture registered under name with the graphics device, or null.
CTexture* FindTexture(const std::string& name);
