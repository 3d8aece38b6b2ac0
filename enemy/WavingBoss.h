#pragma once
// The bosses that swim or hover on a wave (the serpent and both forms of the
// last boss): a base position set where the boss is placed, which moves with
// the world when the view scrolls, and the phase of a wave of 32 pixels
// around the base height.
#include "enemy/BossBase.h"

class WavingBoss : public BossBase {
public:
    explicit WavingBoss(long seed) : BossBase(seed) {}

    // Also records the base of the wave.
    void SetPosition(float nx, float ny) override;
    // The base moves with the world, so a scroll never lifts or drops the
    // wave against the stage.
    void Shift(float dx, float dy) override;

    float baseX = 0;
    float baseY = 0;
    float phase = 0;

protected:
    // Advances the phase and puts the boss on the wave.
    void Wave(float phaseStep);
};
