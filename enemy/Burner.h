#pragma once
// A flame jet: idle for 180 frames, then a burst of flame for 120, pointing
// left, right, up or down. The flame hurts only while it burns; bullets pass
// through and it cannot be stomped.
#include "enemy/EnemyBase.h"

class Burner : public EnemyBase {
public:
    enum Direction { Left = 0, Right = 1, Up = 2, Down = 3 };
    static constexpr int IdleFrames = 180;
    static constexpr int BurnFrames = 120;
    static constexpr float Offset = 16.0f; // the flame sits this far along its direction

    explicit Burner(int direction);
    void SetPosition(float nx, float ny) override;
    void Act() override;
    void Draw() override;
    void TouchPlayer() override;
    bool HitTest(int, int, int, int) const override { return false; }

    bool burning = false;
    int timer = 0;
    int direction;
    int animation = 0;
};
