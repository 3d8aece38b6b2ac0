#pragma once
// The giant brain of the first boss stages: walks, jumps at random, and
// stops to throw arcing fireballs. It can be stomped.
#include "enemy/BossBase.h"

class FesbioBrain : public BossBase {
public:
    enum State { Walk = 0, Jump = 1, Fire = 2 };
    static constexpr int Points = 3000;

    FesbioBrain();
    const char* Kind() const override { return "FesbioBrain"; }
    // It stands 10 pixels higher than asked.
    void SetPosition(float nx, float ny) override;
    void Act() override;
    void Draw() override;
    void Die() override;

    bool wasOnGround = true;
};
