#include "player/PlayerBase.h"

#include "app/PlayerInfomation.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/SoundManager.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "scene/stage/StageScene.h"
#include "world/Block.h"
#include "world/Effects.h"
#include "world/ViewMap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float ScreenCentreX = 320.0f;
constexpr float ScreenCentreY = 240.0f;
constexpr float MinX = 32.0f;
constexpr float MaxX = 608.0f;
constexpr float JumpSpeed = -13.0f;
constexpr float Gravity = 0.5f;
constexpr float MaxFallSpeed = 10.0f;
constexpr float ReleasedRiseBrake = 1.0f;
// Half the player's width for wall, ceiling and floor tests.
constexpr float HalfWidth = 16.0f;
// Height of the body that walls and ceilings stop.
constexpr float BodyHeight = 48.0f;

void PlayAt(const char* name, float x) {
    if (SoundManager* sound = SoundManager::Current()) {
        sound->Play(name, x);
    }
}

// The block's collision box offset by the integer parts of its position.
struct BlockBox {
    float left, top, right, bottom;
};

BlockBox BoxOf(const Block& b) {
    const int bx = static_cast<int>(b.x);
    const int by = static_cast<int>(b.y);
    return {static_cast<float>(bx + b.left), static_cast<float>(by + b.top),
            static_cast<float>(bx + b.right), static_cast<float>(by + b.bottom)};
}

// Calls visit for every awake block in the object manager's order.
template <typename Visit> void ForEachAwakeBlock(Visit visit) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->objects) {
        return;
    }
    for (const auto& object : app->objects->Objects()) {
        if (object->asleep || !object->IsBlock()) {
            continue;
        }
        visit(*static_cast<Block*>(object.get()));
    }
}

} // namespace

PlayerBase::PlayerBase() {
    priority = 900;
    level = 127;
    width = 96;
    height = 80;
    aimX = 0;
    aimY = -32;
}

void PlayerBase::Reset() {
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->input) {
        app->input->ClearRecording();
    }
    alpha = 1.0f;
    SetPosition(100.0f, 200.0f);
    animState = Standing;
    lifeState = Alive;
    missCounter = 0;
    goalReached = false;
    facing = false;
    jumpState = OnGround;
    missAngle = 0;
    vx = 0;
    vy = 0;
    jumpLatch = false;
    shooting = false;
}

void PlayerBase::Control() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    buttons = app && app->input ? app->input->ReadButtons() : 0;

    // A crouch is only entered or left on the ground.
    if (jumpState == OnGround) {
        if (buttons & ButtonDown) {
            if (!crouching) {
                ResetAnimation();
            }
            crouching = true;
            animState = Crouching;
            hitTop = -32;
        } else {
            if (crouching) {
                ResetAnimation();
            }
            crouching = false;
            hitTop = -54;
        }
        hitLeft = -16;
        hitRight = 16;
        hitBottom = 0;
    }

    if (crouching) {
        vx = 0;
    } else if (buttons & (ButtonLeft | ButtonRight)) {
        // Left wins when both are held.
        facing = (buttons & ButtonLeft) != 0;
        if (animState == Standing) {
            ResetAnimation();
        }
        animState = Walking;
        vx = facing ? -walkSpeed : walkSpeed;
    } else {
        if (animState == Walking) {
            ResetAnimation();
        }
        animState = Standing;
        vx = 0;
    }

    if (!(buttons & ButtonSub)) {
        jumpLatch = false;
        // Releasing the button while rising cuts the jump short.
        if (jumpState == Rising) {
            vy += ReleasedRiseBrake;
        }
        return;
    }
    if (jumpState == OnGround && !jumpLatch) {
        vy = JumpSpeed;
        jumpState = Rising;
        ResetAnimation();
        crouching = false;
        if (app && app->objects) {
            app->objects->Add(new Dust(facing, x, y));
        }
        PlayAt("JumpOff", x);
        animState = JustJumped;
    }
    jumpLatch = true;
}

void PlayerBase::Update() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    // While the continue prompt is up nothing of the player moves.
    if (app && app->playerRecord && app->playerRecord->lives < 0) {
        return;
    }
    if (lifeState == Dying) {
        UpdateDying();
        return;
    }
    if (lifeState != Alive) {
        return;
    }
    CollideWalls();
    vy = std::min(vy + Gravity, MaxFallSpeed);
    if (jumpState == Rising && vy > 0) {
        jumpState = Falling;
    }
    if (vy < 0) {
        CollideCeilings();
    }
    if (vy > 0) {
        CollideFloors();
    }
    // Velocities stay fractional, but the player and the world move by whole pixels.
    MoveWithCamera(static_cast<int>(vx), static_cast<int>(vy));
    if (y > FallOutY && !goalReached) {
        StartMiss();
    }
}

void PlayerBase::UpdateDying() {
    missAngle -= 0.13f;
    y += 5.0f;
    alpha = std::max(alpha - 0.02f, 0.0f);
    ++missCounter;
    if (missCounter <= MissFrames) {
        return;
    }
    lifeState = Dead;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app) {
        return;
    }
    if (app->gameState && app->gameState->demo) {
        app->SendMessage("go_title");
        return;
    }
    if (const StageScene* stage = CurrentStage(); app->input && (!stage || stage->WritesReplay())) {
        app->input->SaveRecording(stage ? stage->progressNumber : 0);
    }
    PlayerInfomation& record = *app->playerRecord;
    record.lives -= 1;
    app->SendMessage(record.lives < 0 ? "CreateContinue" : "restart");
}

void PlayerBase::CollideWalls() {
    if (vx == 0) {
        return;
    }
    const bool movingLeft = vx < 0;
    ForEachAwakeBlock([&](Block& block) {
        if (block.IsScaffolding()) {
            return;
        }
        const BlockBox box = BoxOf(block);
        const float nx = x + vx;
        if (box.left < nx + HalfWidth && box.right > nx - HalfWidth && box.top < y &&
            box.bottom > y - BodyHeight) {
            x = movingLeft ? box.right + HalfWidth : box.left - HalfWidth;
            vx = 0;
        }
    });
}

void PlayerBase::CollideCeilings() {
    ForEachAwakeBlock([&](Block& block) {
        if (block.IsScaffolding()) {
            return;
        }
        const BlockBox box = BoxOf(block);
        if (!(box.left < x + HalfWidth && box.right > x - HalfWidth)) {
            return;
        }
        const float ny = y + vy;
        if (box.top < ny && box.bottom > ny - BodyHeight) {
            y = std::max(ny, box.bottom + BodyHeight);
            vy = 0;
        }
    });
}

void PlayerBase::CollideFloors() {
    bool landed = false;
    // Scaffolding counts here: it is a one-way platform, solid only from above.
    ForEachAwakeBlock([&](Block& block) {
        const BlockBox box = BoxOf(block);
        if (!(box.left < x + HalfWidth && box.right > x - HalfWidth)) {
            return;
        }
        const float ny = y + vy;
        if (box.top < ny + 1.0f && box.bottom > ny - 12.0f) {
            y = std::min(ny, box.top);
            if (jumpState != OnGround) {
                PlayAt("JumpOn", x);
            }
            jumpState = OnGround;
            block.steppedOn = true;
            vy = 0;
            landed = true;
        }
    });
    if (!landed && jumpState == OnGround) {
        // Walked off an edge.
        jumpState = Falling;
        ResetAnimation();
    }
}

void PlayerBase::MoveWithCamera(int dx, int dy) {
    const int hState = map ? map->horizontalState : ScrollFixed;
    const int vState = map ? map->verticalState : ScrollFixed;
    const float fdx = static_cast<float>(dx);
    const float fdy = static_cast<float>(dy);
    if (dx < 0) {
        if (hState == ScrollFixed || hState == ScrollAtLeft) {
            x = std::max(x + fdx, MinX);
        } else if (x > ScreenCentreX) {
            x = std::max(x + fdx, ScreenCentreX);
        } else {
            map->ScrollX(-fdx);
        }
    } else if (dx > 0) {
        if (hState == ScrollFixed || hState == ScrollAtRight) {
            x = std::min(x + fdx, MaxX);
        } else if (x < ScreenCentreX) {
            x = std::min(x + fdx, ScreenCentreX);
        } else {
            map->ScrollX(-fdx);
        }
    }
    // Vertically the player is not kept on screen: falling out is a miss.
    if (dy < 0) {
        if (vState == ScrollFixed || vState == ScrollAtTop) {
            y += fdy;
        } else if (y > ScreenCentreY) {
            y = std::max(y + fdy, ScreenCentreY);
        } else {
            map->ScrollY(-fdy);
        }
    } else if (dy > 0) {
        if (vState == ScrollFixed || vState == ScrollAtBottom) {
            y += fdy;
        } else if (y < ScreenCentreY) {
            y = std::min(y + fdy, ScreenCentreY);
        } else {
            map->ScrollY(-fdy);
        }
    }
}

void PlayerBase::StartMiss() {
    lifeState = Dying;
    PlayAt("Miss", x);
}

void PlayerBase::Hit() {
    if (lifeState != Alive || goalReached) {
        return;
    }
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->gameState && app->gameState->bench) {
        return;
    }
    StartMiss();
}

void PlayerBase::ForceMiss() {
    StartMiss();
}

float PlayerBase::AngleFrom(float fx, float fy) const {
    return std::atan2((y + static_cast<float>(aimY)) - fy, (x + static_cast<float>(aimX)) - fx);
}
