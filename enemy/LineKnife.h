#pragma once
// A knife shot straight along an angle, point first, through blocks.
#include "enemy/LineShot.h"

class LineKnife : public LineShot {
public:
    static constexpr float Speed = 5.0f;

    LineKnife(float angle, bool facingLeft);

    void Act() override;
    void Draw() override;
};
