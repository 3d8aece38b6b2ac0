#pragma once
// The second maker logo with "presents", stretched vertically while faint.
#include "scene/title/State.h"

#include <memory>

class CTexture;

class Lorrowind : public State {
public:
    Lorrowind();
    void Update() override;
    void Draw() override;

    int frameCount = 0;
    float logoAlpha = 0.0f;
    float presentsAlpha = 0.0f;
    std::unique_ptr<CTexture> logo;
    std::unique_ptr<CTexture> presents;
};
