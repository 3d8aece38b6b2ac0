#include "player/SkarovBulletCase.h"

#include "app/Random.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/SoundManager.h"
#include "resource/CTexture.h"

#include <algorithm>

namespace {

constexpr float SpinDecay = 0.0021f;

void PlayCase(float x) {
    if (SoundManager* sound = SoundManager::Current()) {
        sound->Play("Case", x);
    }
}

} // namespace

int SkarovBulletCase::WaitForEffectLevel(int effectLevel) {
    static const int waits[] = {30, 60, 180};
    return waits[std::clamp(effectLevel, 0, 2)];
}

SkarovBulletCase::SkarovBulletCase(float muzzleX, float muzzleY, bool faceLeft) {
    priority = 899;
    level = 255;
    width = 16;
    height = 16;
    left = -4;
    top = -4;
    right = 4;
    bottom = 4;
    facing = faceLeft;
    // Visual only: the runtime generator, not the replay-safe one.
    const float u = static_cast<float>(vrels::rand() % 100) * 0.01f;
    vx = faceLeft ? -3.0f - u : 3.0f + u;
    vy = -5.0f;
    angle = 0;
    spin = faceLeft ? -0.2f : 0.2f;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    wait = WaitForEffectLevel(app && app->gameState ? app->gameState->effectLevel : 1);
    SetPosition(faceLeft ? muzzleX - 10.0f : muzzleX + 10.0f, muzzleY - 5.0f);
}

void SkarovBulletCase::Update() {
    vy += 0.5f;
    vx *= 0.99f;
    // The spin dies out linearly and stops at once after a wall bounce has
    // flipped the facing.
    if (facing) {
        spin += SpinDecay;
        if (spin >= 0) {
            spin = 0;
        }
    } else {
        spin -= SpinDecay;
        if (spin <= 0) {
            spin = 0;
        }
    }
    angle += spin;
    x += vx;
    y += vy;
    if (CollideY()) {
        --bounceSoundsLeft;
        vy = vy > 0 ? -0.5f * vy : -vy;
        vx *= 0.9f;
        if (bounceSoundsLeft >= 0) {
            PlayCase(x);
        }
    }
    if (CollideX()) {
        facing = !facing;
        vx = -0.9f * vx;
        PlayCase(x);
    }
    --wait;
    if (wait < 0) {
        alpha = std::max(alpha - 0.05f, 0.0f);
        if (alpha <= 0) {
            Remove();
        }
    }
}

void SkarovBulletCase::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* texture = FindTexture("case");
    if (!graphics || !texture) {
        return;
    }
    texture->flipH = facing;
    texture->flipV = false;
    texture->scale = 0.5f;
    texture->SetCentre(static_cast<float>(texture->Width()) * 0.5f,
                       static_cast<float>(texture->Height()) * 0.5f);
    graphics->DrawSprite(texture, x, y, alpha, angle, BlendAlpha);
    texture->scale = 1.0f;
}
