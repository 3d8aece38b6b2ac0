#pragma once
// One line of dialogue (a picture) rising from the bottom of the screen: it
// fades in below the reading band, creeps through it fully visible, and
// fades out above it.
#include "object/ViewObject.h"

#include <memory>
#include <string>

class CTexture;

class MessObject : public ViewObject {
public:
    // The reading band: between these heights a line moves slowly.
    static constexpr float BandBottom = 300.0f;
    static constexpr float BandTop = 180.0f;

    MessObject(const std::string& picture, int side);
    ~MessObject() override;
    void Update() override;
    void Draw() override;

    std::unique_ptr<CTexture> sprite;
    bool fast = false;
    float alpha = 0;
    int side;
};
