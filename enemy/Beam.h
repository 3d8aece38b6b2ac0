#pragma once
// A beam bolt shot straight along an angle, through blocks; bullets pass
// through it.
#include "enemy/LineShot.h"

class Beam : public LineShot {
public:
    static constexpr float Speed = 4.0f;

    Beam(float angle, bool facingLeft);

    void Act() override;
    void Draw() override;
    bool HitTest(int, int, int, int) const override { return false; }
};
