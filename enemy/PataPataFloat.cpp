#include "enemy/PataPataFloat.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"

#include <cmath>

namespace {
const bool registered = RegisterChipCreator(ChipCode(192, 160), [] {
    return std::unique_ptr<ViewObject>(std::make_unique<PataPataFloat>());
});

bool NearTheScreen(float x, float y) {
    return x >= -160.0f && x <= 800.0f && y >= 0.0f && y <= 480.0f;
}
} // namespace

PataPataFloat::PataPataFloat() {
    vx = 0.0f;
}

void PataPataFloat::SetPosition(float nx, float ny) {
    baseY = ny;
    PataPata::SetPosition(nx, ny);
}

void PataPataFloat::Shift(float dx, float dy) {
    baseY += dy;
    PataPata::Shift(dx, dy);
}

void PataPataFloat::Act() {
    // Whether it is near the screen goes by the line it bobs around: by its
    // own height, one placed near the bottom bobbed past 480 and froze there.
    if (NearTheScreen(x, baseY)) {
        phase += PhaseStep;
        y = baseY + std::sin(phase) * Amplitude;
    }
    animation = enemy::NextAnimation(animation, 30);
}
