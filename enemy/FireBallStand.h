#pragma once
// An invisible turret: a fireball every 151 frames, the first 91 frames after
// it comes on screen. It is never drawn and never hit.
#include "object/TurnObject.h"

class FireBallStand : public TurnObject {
public:
    static constexpr int Interval = 151;
    static constexpr int StartTimer = 60;

    // direction 0 shoots left, 1 shoots right.
    explicit FireBallStand(int direction);
    void Update() override;

    int timer = StartTimer;
    int direction;
};
