#pragma once
// A bullet of the gun: hits the first enemy or block its box touches.
#include "player/ShotBase.h"

class SkarovBullet : public ShotBase {
public:
    SkarovBullet(float px, float py, float velocityX, float velocityY, bool faceLeft);

    void Update() override;
    void Draw() override;

    // Bullets leave the screen beyond these x positions.
    static constexpr float MinX = -13.0f;
    static constexpr float MaxX = 653.0f;

private:
    bool HitSomething();
};
