#pragma once
// An ejected cartridge case: bounces on blocks, spins down and fades out.
#include "object/RigidObject.h"

class SkarovBulletCase : public RigidObject {
public:
    // muzzleX, muzzleY: where the shot left the gun; faceLeft: the case's own
    // direction (the gun passes the opposite of the player's).
    SkarovBulletCase(float muzzleX, float muzzleY, bool faceLeft);

    void Update() override;
    void Draw() override;

    // Frames a case lies still before fading, by the "Effect" setting; values
    // outside 0..2 take the nearest defined one.
    static int WaitForEffectLevel(int effectLevel);

    float angle = 0;
    float spin = 0;
    int wait = 60;
    float alpha = 1.0f;
    int bounceSoundsLeft = 2;
};
