#include "enemy/EnemyBase.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "lib/SoundManager.h"
#include "object/ObjectManager.h"
#include "player/PlayerBase.h"
#include "world/Effects.h"

#include <cmath>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

void PlayAt(const char* name, float x) {
    if (SoundManager* sound = SoundManager::Current()) {
        sound->Play(name, x);
    }
}

bool Overlap(int l1, int t1, int r1, int b1, int l2, int t2, int r2, int b2) {
    return l1 < r2 && l2 < r1 && t1 < b2 && t2 < b1;
}

} // namespace

EnemyBase::EnemyBase() {
    priority = 1000;
    level = 255;
    width = 16;
    height = 16;
}

void EnemyBase::Update() {
    flashTimer = flashTimer >= 2 ? flashTimer - 1 : 0;
    if (dying) {
        Die();
        return;
    }
    Act();
    TouchPlayer();
}

bool EnemyBase::HitTest(int l, int t, int r, int b) const {
    if (hitPoints <= 0) {
        return false;
    }
    const int ex = static_cast<int>(std::nearbyint(x));
    const int ey = static_cast<int>(std::nearbyint(y));
    return Overlap(ex + BoxLeft(), ey + top, ex + BoxRight(), ey + bottom, l, t, r, b);
}

int EnemyBase::Damage(int amount) {
    hitPoints -= amount;
    flashTimer = FlashFrames;
    if (hitPoints <= 0) {
        hitPoints = 0;
        StartDying();
    }
    return hitPoints;
}

void EnemyBase::TouchPlayer() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    PlayerBase* player = app ? app->player : nullptr;
    if (!player) {
        return;
    }
    const float px = player->x;
    const float py = player->y;
    const float boxLeft = x + static_cast<float>(BoxLeft());
    const float boxRight = x + static_cast<float>(BoxRight());
    const float boxTop = y + static_cast<float>(top);
    // The upper half of the box, against a 32-pixel strip around the player's feet.
    if (stompable && px + 16.0f > boxLeft && boxRight > px - 16.0f && py > boxTop &&
        py < boxTop + static_cast<float>((bottom - top) / 2)) {
        Damage(StompDamage);
        PlayAt("Press", x);
        player->vy = -13.0f;
        player->jumpState = PlayerBase::Rising;
        player->ResetAnimation();
        return;
    }
    if (hitPoints <= 0) {
        return;
    }
    const int ex = static_cast<int>(x);
    const int ey = static_cast<int>(y);
    if (Overlap(player->HitBoxLeft(), player->HitBoxTop(), player->HitBoxRight(),
                player->HitBoxBottom(), ex + BoxLeft(), ey + top, ex + BoxRight(), ey + bottom)) {
        player->Hit();
    }
}

void EnemyBase::StartDying() {
    dying = true;
}

void EnemyBase::Die() {
    PlayAt("Enemy", x);
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->objects) {
        const float scale = static_cast<float>(width + height) / 2.0f / 32.0f * 0.75f;
        app->objects->Add(new Blood(x, y, scale));
    }
    Remove();
}

void EnemyBase::DieWithPoints(int points) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->playerRecord) {
        app->playerRecord->AddScore(points);
    }
    if (app && app->objects) {
        app->objects->Add(new ScoreEffect(x, y, std::to_string(points)));
    }
    EnemyBase::Die();
}

float EnemyBase::FlashAlpha() const {
    if (flashTimer <= 0) {
        return 1.0f;
    }
    return flashTimer % 2 == 1 ? 0.2f : 0.9f;
}

std::string EnemyBase::KindName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangled);
}
