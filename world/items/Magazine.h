#pragma once
// A spare magazine for the gun, floating up and down by 10 pixels. The centre
// of its bob follows the world when it scrolls.
#include "world/items/ItemBase.h"

class Magazine : public ItemBase {
public:
    void SetPosition(float nx, float ny) override;
    void Shift(float dx, float dy) override;
    void Update() override;
    void Draw() override;

    float alpha = 1.0f;
    float angle = 0;
    float bobPhase = 0;
    float baseY = 0;
};

// A magazine dropped in boss stages: after 300 frames it fades out over about
// 50 frames (still collectable while fading) and is gone.
class MagazineTimeout : public Magazine {
public:
    static constexpr int Patience = 300;

    void Update() override;

    int age = 0;
};
