#pragma once
// The sea serpent of the third boss stage: swims to and fro in a wave between
// map x 800 and the map's last column, fans fireballs, and lunges at the
// player before swimming back.
#include "enemy/BossBase.h"

class FesbioSnake : public BossBase {
public:
    enum State { Swim = 0, Fan = 2, Aim = 3, Lunge = 4, Return = 5 };
    static constexpr int Points = 5000;
    // The left end of its arena, in map pixels.
    static constexpr float ArenaLeft = 800.0f;

    FesbioSnake();
    const char* Kind() const override { return "FesbioSnake"; }
    // Also records the base of its wave (which stays put when the view scrolls).
    void SetPosition(float nx, float ny) override;
    void Act() override;
    void Draw() override;
    void Die() override;

    float baseX = 0;
    float baseY = 0;
    float phase = 0;
    float travelAngle = 0;
    float remaining = 0;
    float fullDistance = 0;

private:
    void KeepInArena();
    void SwimStep(float phaseStep, int frame);
};
