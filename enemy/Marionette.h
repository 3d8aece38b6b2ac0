#pragma once
// A marionette: floats slowly towards the heroine and throws volleys of five
// knives.
#include "enemy/EnemyBase.h"

class Marionette : public EnemyBase {
public:
    static constexpr int Points = 500;
    static constexpr float Speed = 0.3f;
    static constexpr int FirstThrowCounter = 120;
    // A knife whenever the counter is above VolleyStart and divisible by
    // VolleyGap; past CycleEnd it starts again from 0.
    static constexpr int VolleyStart = 180;
    static constexpr int VolleyGap = 6;
    static constexpr int CycleEnd = 210;

    Marionette();
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int throwCounter = FirstThrowCounter;
    int animation = 0;
};
