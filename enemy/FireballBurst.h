#pragma once
// How every fireball ends, shot or against a wall: the "FireBreak" sound, a
// half-size Bomb and eight sparks flying out at random; then it is removed.
class EnemyBase;

namespace enemy {

constexpr int BurstSparks = 8;

void BurstFireball(EnemyBase& ball);

} // namespace enemy
