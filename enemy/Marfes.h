#pragma once
// The first form of the last boss: hovers on a slow wave drifting toward the
// player's height, swoops in a U, fans knives and fires aimed fireballs. Its
// death tells the stage where it fell and starts the second conversation.
#include "enemy/WavingBoss.h"

class Marfes : public WavingBoss {
public:
    enum State { Hover = 0, WindUp = 1, Knives = 2, Swoop = 3, Fireballs = 4 };
    static constexpr int Points = 5000;
    static constexpr long Seed = 1234;

    Marfes();
    const char* Kind() const override { return "Marfes"; }
    void Act() override;
    void Draw() override;
    void Die() override;
};
