#include "enemy/Marfes2.h"

#include "app/VrelsSkarovApp.h"
#include "enemy/Projectiles.h"

#include <algorithm>
#include <cmath>

namespace {
// The beam emitters on its wings, relative to its position when facing left.
const float kEmitters[4][2] = {{-117, -54}, {-92, -117}, {-149, -126}, {98, -148}};
} // namespace

Marfes2::Marfes2() : WavingBoss(0) {
    hitPoints = 150;
    left = -136;
    top = -184;
    right = 136;
    bottom = 40;
}

void Marfes2::TouchPlayer() {
    if (!appearing) {
        BossBase::TouchPlayer();
    }
}

void Marfes2::FireBeamVolley() {
    const float ahead = facing ? 3.14f : 0.0f;
    for (const auto& emitter : kEmitters) {
        const float ox = facing ? emitter[0] : -emitter[0];
        const float bx = x + ox;
        const float by = y + emitter[1];
        for (int spread = -1; spread <= 1; ++spread) {
            enemy::ShootBeam(bx, by, ahead + static_cast<float>(spread), facing);
        }
    }
}

void Marfes2::Act() {
    animation = (animation + 1) % 20;
    if (appearing) {
        alpha = std::min(alpha + FadeInStep, 1.0f);
        if (alpha >= 1.0f) {
            appearing = false;
        }
        return;
    }
    ++stateCounter;

    switch (attackState) {
    case Hover: {
        const float a = AngleToPlayer();
        x += std::cos(a) * 0.5f;
        baseY += std::sin(a) * 0.5f;
        Wave(0.03f);
        if (stateCounter > 60) {
            stateCounter = 0;
            const float r = random.Next();
            if (r < 0.15f) {
                attackState = Beams;
            } else if (r > 0.9f) {
                attackState = WindUp;
            } else if (r < 0.35f) {
                attackState = Fireballs;
            }
        }
        break;
    }
    case WindUp:
        WindUpStep(Swoop, 5.0f);
        break;
    case Swoop:
        SwoopStep(Hover, 5.0f);
        break;
    case Beams:
        Wave(0.02f);
        FireBeamVolley();
        attackState = Hover;
        stateCounter = 0;
        animation = 0;
        break;
    case Fireballs:
        Wave(0.02f);
        if (stateCounter > 30 && (stateCounter - 30) % 4 == 0) {
            enemy::ShootLineFireball(x, y, DirectionFromHere(), facing);
        }
        if (stateCounter > 60) {
            // Straight back to choosing: the counter is not reset.
            attackState = Hover;
        }
        break;
    default:
        break;
    }
    alpha = FlashAlpha();
}

void Marfes2::Draw() {
    DrawFrame("Marfes2", animation / 10, 640, 680, alpha);
}

void Marfes2::Die() {
    AwardPoints(Points);
    PlaySound("BossDead1");
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance()) {
        app->SendMessage("event", {"3"});
    }
    EnemyBase::Die();
}
