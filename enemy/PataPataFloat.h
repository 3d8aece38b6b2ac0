#pragma once
// The hovering hopper: bobs 64 pixels up and down around where it was placed,
// but only while that base line is near the screen.
#include "enemy/PataPata.h"

class PataPataFloat : public PataPata {
public:
    static constexpr float Amplitude = 64.0f;
    static constexpr float PhaseStep = 0.015f;

    PataPataFloat();
    void SetPosition(float nx, float ny) override;
    void Shift(float dx, float dy) override;
    void Act() override;

    float baseY = 0.0f;
    float phase = 0.0f;
};
