#include "enemy/WavingBoss.h"

#include <cmath>

void WavingBoss::SetPosition(float nx, float ny) {
    BossBase::SetPosition(nx, ny);
    baseX = nx;
    baseY = ny;
}

void WavingBoss::Shift(float dx, float dy) {
    BossBase::Shift(dx, dy);
    baseX += dx;
    baseY += dy;
}

void WavingBoss::Wave(float phaseStep) {
    phase += phaseStep;
    y = baseY + std::sin(phase) * 32.0f;
}
