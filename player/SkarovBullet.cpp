#include "player/SkarovBullet.h"

#include "app/Random.h"
#include "app/VrelsSkarovApp.h"
#include "enemy/EnemyBase.h"
#include "lib/DxGraphics.h"
#include "lib/SoundManager.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"
#include "world/Block.h"
#include "world/Effects.h"

#include <cmath>

namespace {

void PlayAt(const char* name, float x) {
    if (SoundManager* sound = SoundManager::Current()) {
        sound->Play(name, x);
    }
}

int RoundToInt(float v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace

SkarovBullet::SkarovBullet(float px, float py, float velocityX, float velocityY, bool faceLeft) {
    priority = 800;
    level = 255;
    width = 16;
    height = 16;
    vx = velocityX;
    vy = velocityY;
    facing = faceLeft;
    damage = 1;
    angle = 0;
    lifetime = 30;
    SetPosition(px, py);
}

void SkarovBullet::Update() {
    x += vx;
    y += vy;
    if (HitSomething()) {
        Remove();
        return;
    }
    if (x < MinX || x > MaxX) {
        Remove();
        return;
    }
    if (--lifetime <= 0) {
        Remove();
    }
}

bool SkarovBullet::HitSomething() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app || !app->objects) {
        return false;
    }
    // Rounded to the nearest pixel, ties to even.
    const int l = RoundToInt(x - 12.0f);
    const int t = RoundToInt(y - 8.0f);
    const int r = RoundToInt(x + 12.0f);
    const int b = RoundToInt(y + 8.0f);
    ObjectManager& objects = *app->objects;
    for (const auto& object : objects.Objects()) {
        if (object->asleep) {
            continue;
        }
        // Enemies decide their own vulnerable area; blocks stop bullets with
        // their full box.
        if (auto* enemy = dynamic_cast<EnemyBase*>(object.get())) {
            if (!enemy->HitTest(l, t, r, b)) {
                continue;
            }
            enemy->Damage(damage);
            objects.Add(new EffectHit(x + 13.0f, y));
            const int r1 = vrels::rand();
            const int r2 = vrels::rand();
            // The spark always drifts to the right.
            objects.Add(new Spark(x + 13.0f, y, static_cast<float>(r2 % 150 + 50) / 60.0f,
                                  static_cast<float>(r1 % 80 - 40) / 60.0f));
            PlayAt("Hit", x);
            return true;
        }
        if (!object->IsBlock()) {
            continue;
        }
        const Block& block = *static_cast<const Block*>(object.get());
        const int bx = static_cast<int>(block.x);
        const int by = static_cast<int>(block.y);
        if (bx + block.left < r && l < bx + block.right && by + block.top < b &&
            t < by + block.bottom) {
            objects.Add(new HitWall(x, y));
            PlayAt("hit_wall", x);
            return true;
        }
    }
    return false;
}

void SkarovBullet::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* texture = FindTexture("SkarovBullet");
    if (!graphics || !texture) {
        return;
    }
    texture->flipH = facing;
    texture->flipV = false;
    texture->scale = 1.0f;
    texture->SetCentre(static_cast<float>(texture->Width()) * 0.5f,
                       static_cast<float>(texture->Height()) * 0.5f);
    graphics->DrawSprite(texture, x, y, 1.0f, angle, BlendAlpha);
}
