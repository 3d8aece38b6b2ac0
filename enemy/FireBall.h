#pragma once
// The turret's fireball: flies straight left or right, spinning, and bursts on
// the first block it meets or when shot.
#include "enemy/ThrownShot.h"

class FireBall : public ThrownShot {
public:
    static constexpr float Speed = 4.0f;
    static constexpr float Spin = 0.2f;

    // direction 0 flies left, 1 flies right.
    explicit FireBall(int direction);

    void Act() override;
    void Draw() override;
    void Die() override;

    int direction;
    float spin = 0.0f;
};
