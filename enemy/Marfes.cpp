#include "enemy/Marfes.h"

#include "app/VrelsSkarovApp.h"
#include "enemy/Projectiles.h"

#include <boost/lexical_cast.hpp>
#include <cmath>

Marfes::Marfes() : WavingBoss(Seed) {
    hitPoints = 90;
    left = -20;
    top = -64;
    right = 20;
    bottom = 64;
}

void Marfes::Act() {
    if (++animation >= 30) {
        animation = 0;
    }
    ++stateCounter;

    switch (attackState) {
    case Hover:
        // Drifts toward the player's height, at most a pixel a frame.
        baseY += std::sin(AngleToPlayer());
        Wave(0.03f);
        if (stateCounter > 60) {
            stateCounter = 0;
            const float r = random.Next();
            if (r < 0.3f) {
                attackState = Knives;
            } else if (r < 0.55f) {
                attackState = Fireballs;
            } else if (r > 0.65f) {
                attackState = WindUp;
            }
        }
        break;
    case WindUp:
        WindUpStep(Swoop, 8.0f);
        break;
    case Swoop:
        SwoopStep(Hover, 8.0f);
        break;
    case Knives:
        Wave(0.02f);
        animation = stateCounter > 30 ? 40 : 30;
        if (stateCounter > 30 && (stateCounter - 30) % 4 == 0) {
            const float step = facing ? -0.4f : 0.4f;
            const float ahead = facing ? 3.14f : 0.0f;
            enemy::ShootLineKnife(x, y, static_cast<float>((stateCounter - 30) / 4) * step + ahead,
                                  facing);
        }
        if (stateCounter > 60) {
            stateCounter = 0;
            attackState = Hover;
            animation = 0;
        }
        break;
    case Fireballs:
        Wave(0.02f);
        animation = 30;
        if (stateCounter > 30 && (stateCounter - 30) % 7 == 0) {
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
}

void Marfes::Draw() {
    DrawFrame("Marfes", animation / 10, 128, 160, FlashAlpha());
}

void Marfes::Die() {
    AwardPoints(Points);
    PlaySound("BossDead1");
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance()) {
        // The second form appears where the first fell, facing the same way.
        app->SendMessage("bosspos", {boost::lexical_cast<std::string>(static_cast<int>(x)),
                                     boost::lexical_cast<std::string>(static_cast<int>(y)),
                                     facing ? "true" : "false"});
        app->SendMessage("event", {"2"});
    }
    EnemyBase::Die();
}
