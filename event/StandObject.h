#pragma once
// A speaker's portrait: it slides in from its side while fading in, stays,
// and when kicked slides back out while fading away.
#include "object/ViewObject.h"

#include <cstdint>
#include <memory>
#include <string>

class CTexture;

class StandObject : public ViewObject {
public:
    static constexpr float PortraitY = 240.0f;

    StandObject(const std::string& picture, int side);
    ~StandObject() override;
    void Update() override;
    void Draw() override;
    // Starts sliding out.
    void Leave() { leaving = true; }

    std::unique_ptr<CTexture> sprite;
    int side;
    bool arrived = false;
    float alpha = 0;
    float targetX;
    bool fast = false;
    bool leaving = false;

    // Grows by one for every portrait made in the program's life; its value
    // makes each portrait's texture name unique, so the same picture can be
    // shown twice at once.
    static std::uint8_t nameCounter;
};
