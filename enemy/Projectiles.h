#pragma once
// Launching enemy projectiles. Each helper makes the projectile, puts it at
// the given position (SetPosition, so a shot that is not always active and
// starts far off screen sleeps like any other object) and hands it to the
// object manager. The returned handle is for callers that want to watch the
// shot; the object manager owns it. Null without an object manager.
//
//   enemy::ThrowArcFireball(*this);                  // from a thrower, its facing
//   enemy::ShootLineKnife(*this, angle);             // from a shooter, its facing
//   enemy::ShootBeam(x + ox, y + oy, angle, facing); // from any point
//
// Angles are radians on screen: 0 points right, pi / 2 points down.
#include "enemy/ArcFireball.h"
#include "enemy/ArcKnife.h"
#include "enemy/Beam.h"
#include "enemy/FireBall.h"
#include "enemy/LineFireball.h"
#include "enemy/LineKnife.h"

#include <memory>

class TurnObject;

namespace enemy {

// Adds a new projectile at (x, y).
std::shared_ptr<EnemyBase> Launch(std::unique_ptr<EnemyBase> shot, float x, float y);

// Thrown in an arc from the thrower's position, forward as it faces.
std::shared_ptr<ArcFireball> ThrowArcFireball(const TurnObject& thrower);
std::shared_ptr<ArcKnife> ThrowArcKnife(const TurnObject& thrower);

// Straight shots along an angle.
std::shared_ptr<LineFireball> ShootLineFireball(float x, float y, float angle, bool facingLeft);
std::shared_ptr<LineKnife> ShootLineKnife(float x, float y, float angle, bool facingLeft);
std::shared_ptr<Beam> ShootBeam(float x, float y, float angle, bool facingLeft);
// The same from the shooter's position and facing.
std::shared_ptr<LineFireball> ShootLineFireball(const TurnObject& shooter, float angle);
std::shared_ptr<LineKnife> ShootLineKnife(const TurnObject& shooter, float angle);
std::shared_ptr<Beam> ShootBeam(const TurnObject& shooter, float angle);

// The turret's fireball: direction 0 flies left, 1 flies right.
std::shared_ptr<FireBall> ShootFireBall(float x, float y, int direction);

} // namespace enemy
