#include "enemy/FesbioSnake.h"

#include "enemy/Projectiles.h"
#include "scene/stage/StageScene.h"
#include "world/ViewMap.h"

#include <cmath>

FesbioSnake::FesbioSnake() : WavingBoss(0) {
    hitPoints = 90;
    left = -32;
    top = -64;
    right = 32;
    bottom = 64;
}

void FesbioSnake::KeepInArena() {
    const StageScene* stage = CurrentStage();
    const ViewMap* map = stage ? stage->map : nullptr;
    if (!map) {
        return;
    }
    const float origin = -static_cast<float>(map->scrollColumn * 32) + map->subOffsetX;
    const float arenaLeft = ArenaLeft + origin;
    const float arenaRight = static_cast<float>((map->width - 1) * 32) + origin;
    if (x < arenaLeft) {
        x = arenaLeft;
    } else if (x > arenaRight) {
        x = arenaRight;
    } else {
        return;
    }
    vx = 0;
    facing = !facing;
}

void FesbioSnake::SwimStep(float phaseStep, int frame) {
    Wave(phaseStep);
    vx = facing ? -1.0f : 1.0f;
    animation = frame;
}

void FesbioSnake::Act() {
    if (attackState == Swim || attackState == Fan) {
        KeepInArena();
    }
    ++stateCounter;
    x += vx;
    y += vy;

    switch (attackState) {
    case Swim:
        SwimStep(0.04f, 0);
        if (stateCounter > 60) {
            stateCounter = 0;
            const float r = random.Next();
            if (r < 0.3f) {
                attackState = Fan;
            } else if (r > 0.8f) {
                attackState = Aim;
            }
        }
        break;
    case Fan:
        SwimStep(0.02f, 0);
        if (stateCounter > 0 && stateCounter % 5 == 0) {
            // A fan of fourteen balls sweeping from ahead-and-up downwards.
            const float step = facing ? -0.4f : 0.4f;
            const float start = facing ? -0.785f : 3.33625f;
            enemy::ShootLineFireball(x, y, static_cast<float>(stateCounter / 5) * step + start,
                                     facing);
        }
        if (stateCounter > 70) {
            stateCounter = 0;
            attackState = Swim;
        }
        break;
    case Aim:
        if (stateCounter <= 60) {
            SwimStep(0.01f, 10);
        } else {
            attackState = Lunge;
            travelAngle = DirectionFromHere();
            fullDistance = DistanceToPlayerPosition();
            remaining = fullDistance;
        }
        break;
    case Lunge:
        vx = std::cos(travelAngle) * 5.0f;
        vy = std::sin(travelAngle) * 5.0f;
        remaining -= 5.0f;
        facing = vx <= 0;
        animation = remaining < 96.0f ? 20 : 10;
        if (remaining < 5.0f) {
            attackState = Return;
            travelAngle += 3.14f;
            remaining = fullDistance;
        }
        break;
    case Return:
        vx = std::cos(travelAngle) * 3.0f;
        vy = std::sin(travelAngle) * 3.0f;
        remaining -= 3.0f;
        animation = 30;
        if (remaining < 5.0f) {
            stateCounter = 0;
            attackState = Swim;
        }
        break;
    default:
        break;
    }
}

void FesbioSnake::Draw() {
    DrawFrame("FesbioSnake", animation / 10, 176, 192, FlashAlpha());
}

void FesbioSnake::Die() {
    AwardPoints(Points);
    PlaySound("BossDead1");
    if (StageScene* stage = CurrentStage()) {
        stage->SpawnBossGoal();
    }
    EnemyBase::Die();
}
