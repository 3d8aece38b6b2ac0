#pragma once
// A small deadly spot in the middle of its cell. VerticalTekyu swings 64 pixels
// up and down around where it was placed.
#include "world/DBlock.h"

class Tekyu : public DBlock {
public:
    Tekyu();
    void Update() override;

protected:
    explicit Tekyu(const TexRect& chip);
};

class VerticalTekyu : public Tekyu {
public:
    VerticalTekyu();
    void SetPosition(float nx, float ny) override;
    // The swing's centre scrolls with the world, so the hazard stays in place
    // when the view moves vertically.
    void Shift(float dx, float dy) override;
    void Update() override;

    float baseY = 0;
    float phase = 0;
};
