#pragma once
// The projectiles the bosses fire, started at a point with a facing.
class EnemyBase;

namespace boss {

// An arcing fireball thrown from the thrower's position with its facing.
void ThrowArcFireball(const EnemyBase& thrower);
// A fireball flying straight along an angle.
void FireLineFireball(float x, float y, bool facingLeft, float angle);
// A knife flying straight along an angle.
void FireLineKnife(float x, float y, bool facingLeft, float angle);
// A beam flying straight along an angle; bullets pass through it.
void FireBeam(float x, float y, bool facingLeft, float angle);

} // namespace boss
