#pragma once
// The common part of the straight shots (LineFireball, LineKnife, Beam): a
// fixed velocity along a travel angle, kept flying off screen, gone after
// Lifetime frames.
#include "enemy/EnemyBase.h"

class LineShot : public EnemyBase {
public:
    static constexpr int Lifetime = 180;

    float travelAngle;
    int age = 0;

protected:
    // angle in radians (0 right, pi / 2 down), speed in pixels a frame.
    LineShot(float angle, float speed, bool facingLeft);
    // Moves one step along the angle.
    void Move();
    // Counts the frame; removes the shot when its time is up. True if it was.
    bool Age();
};
