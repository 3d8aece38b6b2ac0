#include "enemy/FesbioBrain.h"

#include "enemy/Projectiles.h"
#include "scene/stage/StageScene.h"

#include <algorithm>

FesbioBrain::FesbioBrain() : BossBase(0) {
    hitPoints = 70;
    stompable = true;
    left = -32;
    top = -32;
    right = 32;
    bottom = 32;
}

void FesbioBrain::SetPosition(float nx, float ny) {
    BossBase::SetPosition(nx, ny - 10.0f);
}

void FesbioBrain::Act() {
    const float speed = attackState == Fire ? 0.2f : attackState == Jump ? 2.0f : 1.0f;
    vx = facing ? -speed : speed;
    vy = std::min(vy + 0.3f, 5.0f);
    x += vx;
    y += vy;

    // A block met while rising is a ceiling: the rise stops there, but it is
    // no landing: no "Dosun", and a jump goes on until it comes down.
    const bool falling = vy >= 0;
    const bool touched = CollideY();
    if (touched) {
        vy = 0;
    }
    const bool standing = touched && falling;
    if (CollideX()) {
        vx = -vx;
        facing = !facing;
    }
    if (standing && !wasOnGround) {
        PlaySound("Dosun");
    }
    wasOnGround = standing;

    animation = (animation + 1) % 20;
    ++stateCounter;

    switch (attackState) {
    case Walk:
        if (stateCounter > 60) {
            stateCounter = 0;
            FacePlayer();
            const float r = random.Next();
            if (r < 0.5f) {
                attackState = Fire;
            } else if (r > 0.7f) {
                attackState = Jump;
                vy = -13.0f;
            }
        }
        break;
    case Jump:
        if (standing) {
            attackState = Walk;
            stateCounter = 0;
            animation = 0;
        }
        break;
    case Fire:
        animation = 20; // the throwing frame
        if (stateCounter > 30 && stateCounter % 6 == 0) {
            enemy::ThrowArcFireball(*this);
        }
        if (stateCounter > 90) {
            attackState = Walk;
            stateCounter = 0;
            animation = 0;
        }
        break;
    default:
        break;
    }
}

void FesbioBrain::Draw() {
    DrawFrame("fesbio_brain", animation / 10, 96, 96, FlashAlpha());
}

void FesbioBrain::Die() {
    AwardPoints(Points);
    if (StageScene* stage = CurrentStage()) {
        stage->SpawnBossGoal();
    }
    PlaySound("BossDead1");
    EnemyBase::Die();
}
