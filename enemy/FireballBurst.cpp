#include "enemy/FireballBurst.h"

#include "app/Random.h"
#include "app/VrelsSkarovApp.h"
#include "enemy/EnemyBase.h"
#include "object/ObjectManager.h"
#include "world/Effects.h"
#include "world/SpriteDraw.h"

namespace enemy {

void BurstFireball(EnemyBase& ball) {
    world::PlaySound("FireBreak", ball.x);
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->objects) {
        app->objects->Add(new Bomb(ball.x, ball.y, 0.5f));
        for (int i = 0; i < BurstSparks; ++i) {
            // Speeds 0.30 .. 0.49, directions 0 .. 6.26 radians.
            const float speed = static_cast<float>(30 + vrels::rand() % 20) * 0.01f;
            const float angle = static_cast<float>(vrels::rand() % 314) * 2.0f * 0.01f;
            app->objects->Add(Spark::Directed(ball.x, ball.y, angle, speed).release());
        }
    }
    ball.Remove();
}

} // namespace enemy
