#include "enemy/ThrownShot.h"

void ThrownShot::Shift(float dx, float dy) {
    EnemyBase::Shift(dx, dy);
    if (asleep) {
        Remove();
    }
}
