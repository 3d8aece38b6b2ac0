#include "enemy/BossShots.h"

#include "enemy/EnemyBase.h"

// Placeholder until the projectile kinds exist: the bosses fire nothing.
namespace boss {

void ThrowArcFireball(const EnemyBase&) {}
void FireLineFireball(float, float, bool, float) {}
void FireLineKnife(float, float, bool, float) {}
void FireBeam(float, float, bool, float) {}

} // namespace boss
