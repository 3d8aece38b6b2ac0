#pragma once
// The sea serpent of the third boss stage: swims to and fro in a wave between
// map x 800 and the map's last column, fans fireballs, and lunges at the
// player before swimming back.
#include "enemy/WavingBoss.h"

class FesbioSnake : public WavingBoss {
public:
    enum State { Swim = 0, Fan = 2, Aim = 3, Lunge = 4, Return = 5 };
    static constexpr int Points = 5000;
    // The left end of its arena, in map pixels.
    static constexpr float ArenaLeft = 800.0f;

    FesbioSnake();
    const char* Kind() const override { return "FesbioSnake"; }
    void Act() override;
    void Draw() override;
    void Die() override;

    float travelAngle = 0;
    float remaining = 0;
    float fullDistance = 0;

private:
    void KeepInArena();
    void SwimStep(float phaseStep, int frame);
};
