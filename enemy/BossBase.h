#pragma once
// What the four bosses share: an attack state with its frame counter, an
// animation value, their own replay-safe generator for choosing attacks, and
// helpers for facing the player, drawing a frame of their sheet and dying
// with points.
#include "app/Random.h"
#include "enemy/EnemyBase.h"

#include <string>

class BossBase : public EnemyBase {
public:
    explicit BossBase(long seed);

    // The class name, for the runner's trace.
    virtual const char* Kind() const = 0;

    int animation = 0;
    int attackState = 0;
    int stateCounter = 0;
    vrels::Drand48 random;

protected:
    // The direction from the boss's position to the player's aim point (0
    // without a player).
    float DirectionFromHere() const;
    // Facing left when the direction lies beyond +-1.57.
    static bool FacesLeft(float direction) { return direction > 1.57f || direction < -1.57f; }
    void FacePlayer() { facing = FacesLeft(DirectionFromHere()); }
    // The final boss's dive, the same in both forms but for its speed: after a
    // 30-frame wind-up it drops toward the player's side and climbs back in a
    // U, slowing by 0.1 a frame, until it rises as fast as it fell.
    void WindUpStep(int swoopState, float diveSpeed);
    void SwoopStep(int hoverState, float diveSpeed);
    // Distance from the boss's position to the player's position.
    float DistanceToPlayerPosition() const;

    // Draws frame number `frame` of a sheet of frames laid side by side, the
    // frame's centre at the position; frames face right.
    void DrawFrame(const char* texture, int frame, int frameWidth, int frameHeight, float alpha);
    // The points with their rising text; the death itself follows separately.
    void AwardPoints(int points);
    void PlaySound(const char* name) const;
};
