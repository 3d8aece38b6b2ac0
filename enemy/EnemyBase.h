#pragma once
// The base of every hostile object: one per-frame skeleton (behaviour, then
// contact with the player), hit points with a damage flash, the stomp rule,
// the bullet hit test and the default death.
#include "object/RigidObject.h"

#include <string>

class EnemyBase : public RigidObject {
public:
    EnemyBase();

    // Flash countdown, death, behaviour, then contact: the same for every kind.
    void Update() override;

    // The kind's behaviour for one frame.
    virtual void Act() = 0;
    // Whether a bullet rectangle (screen pixels) touches the enemy.
    virtual bool HitTest(int l, int t, int r, int b) const;
    // Takes damage; returns the hit points left.
    virtual int Damage(int amount);
    // Stomp and contact check against the player.
    virtual void TouchPlayer();
    virtual void StartDying();
    // Default death: sound, blood, removal.
    virtual void Die();

    // The hit box, mirrored when facing left.
    int BoxLeft() const { return facing ? -right : left; }
    int BoxRight() const { return facing ? -left : right; }
    // Draw alpha of the damage flash.
    float FlashAlpha() const;
    // The kind's class name, as traces and logs show it.
    virtual std::string KindName() const;

    int hitPoints = 1;
    int flashTimer = 0;
    bool dying = false;
    bool stompable = false;

    static constexpr int FlashFrames = 10;
    static constexpr int StompDamage = 2;

protected:
    // The collision box, for facing right.
    void SetBox(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    // Scoring deaths: adds the points (clamped), shows them, then dies.
    void DieWithPoints(int points);
};
