#pragma once
// The player character's base: movement, block collision, the camera rule and
// dying. Enemies, items and hazards read its position, hit box and lifeState.
#include "object/TurnObject.h"

#include <cstdint>

class ViewMap;

class PlayerBase : public TurnObject {
public:
    PlayerBase();

    // The camera rule places the player; scrolling never moves it.
    void Shift(float /*dx*/, float /*dy*/) override {}
    void Update() override;

    // Back to the start state (the stage build then moves the player).
    virtual void Reset();
    // Reads this frame's buttons and turns them into motion; called by the
    // stage scene once a frame while play runs.
    virtual void Control();
    virtual void AddMagazine() {}
    virtual void ResetAnimation() {}

    // Moves by whole pixels: the player walks to the screen centre, then the
    // map scrolls under it until the map's end.
    void MoveWithCamera(int dx, int dy);
    // Hazards and enemies: starts the miss unless dying, at the goal or in
    // benchmark mode.
    void Hit();
    // Time up: starts the miss unconditionally.
    void ForceMiss();
    // Angle of the vector from (fx, fy) to the player's aim point.
    float AngleFrom(float fx, float fy) const;

    // The hit box in screen pixels, offset by the integer parts of the position.
    int HitBoxLeft() const { return static_cast<int>(x) + hitLeft; }
    int HitBoxTop() const { return static_cast<int>(y) + hitTop; }
    int HitBoxRight() const { return static_cast<int>(x) + hitRight; }
    int HitBoxBottom() const { return static_cast<int>(y) + hitBottom; }

    enum LifeState { Alive = 0, Dying = 1, Dead = 2 };
    enum JumpState { OnGround = 0, Rising = 1, Falling = 2 };
    enum AnimState { Standing = 0, Walking = 1, Crouching = 2, JustJumped = 3 };

    int hitLeft = -16;
    int hitTop = -57;
    int hitRight = 16;
    int hitBottom = 0;
    int animState = Standing;
    int jumpState = OnGround;
    bool jumpLatch = false;
    bool crouching = false;
    bool shooting = false;
    int reloadState = 0; // 2 while the gun reloads
    int reloadTimer = 0;
    float vx = 0;
    float vy = 0;
    int lifeState = Alive;
    float walkSpeed = 4.0f;
    float missAngle = 0;
    float alpha = 1.0f;
    std::uint8_t buttons = 0;
    bool goalReached = false;
    int missCounter = 0;

    // The stage's map, whose scroll states the camera rule reads; null means
    // a screen that never scrolls. Owned by the object manager like the player.
    ViewMap* map = nullptr;

    // Frames a miss lasts before the scene is told to restart or continue.
    static constexpr int MissFrames = 140;
    // Below this y the player has fallen out of the stage.
    static constexpr float FallOutY = 530.0f;

protected:
    void StartMiss();

private:
    void UpdateDying();
    void CollideWalls();
    void CollideCeilings();
    void CollideFloors();
};
