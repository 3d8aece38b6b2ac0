#include "enemy/Projectiles.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "object/TurnObject.h"

namespace enemy {

namespace {

template <typename T> std::shared_ptr<T> LaunchAs(std::unique_ptr<T> shot, float x, float y) {
    return std::static_pointer_cast<T>(Launch(std::move(shot), x, y));
}

} // namespace

std::shared_ptr<EnemyBase> Launch(std::unique_ptr<EnemyBase> shot, float x, float y) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!shot || !app || !app->objects) {
        return nullptr;
    }
    shot->SetPosition(x, y);
    // The object manager takes ownership here.
    return app->objects->Add(shot.release());
}

std::shared_ptr<ArcFireball> ThrowArcFireball(const TurnObject& thrower) {
    return LaunchAs(std::make_unique<ArcFireball>(thrower.facing), thrower.x, thrower.y);
}

std::shared_ptr<ArcKnife> ThrowArcKnife(const TurnObject& thrower) {
    return LaunchAs(std::make_unique<ArcKnife>(thrower.facing), thrower.x, thrower.y);
}

std::shared_ptr<LineFireball> ShootLineFireball(float x, float y, float angle, bool facingLeft) {
    return LaunchAs(std::make_unique<LineFireball>(angle, facingLeft), x, y);
}

std::shared_ptr<LineKnife> ShootLineKnife(float x, float y, float angle, bool facingLeft) {
    return LaunchAs(std::make_unique<LineKnife>(angle, facingLeft), x, y);
}

std::shared_ptr<Beam> ShootBeam(float x, float y, float angle, bool facingLeft) {
    return LaunchAs(std::make_unique<Beam>(angle, facingLeft), x, y);
}

std::shared_ptr<LineFireball> ShootLineFireball(const TurnObject& shooter, float angle) {
    return ShootLineFireball(shooter.x, shooter.y, angle, shooter.facing);
}

std::shared_ptr<LineKnife> ShootLineKnife(const TurnObject& shooter, float angle) {
    return ShootLineKnife(shooter.x, shooter.y, angle, shooter.facing);
}

std::shared_ptr<Beam> ShootBeam(const TurnObject& shooter, float angle) {
    return ShootBeam(shooter.x, shooter.y, angle, shooter.facing);
}

std::shared_ptr<FireBall> ShootFireBall(float x, float y, int direction) {
    return LaunchAs(std::make_unique<FireBall>(direction), x, y);
}

} // namespace enemy
