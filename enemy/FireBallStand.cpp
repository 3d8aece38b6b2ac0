#include "enemy/FireBallStand.h"

#include "enemy/Projectiles.h"
#include "world/PlaceChip.h"
#include "world/SpriteDraw.h"

namespace {

template <int D> ChipCreator MakeStand() {
    return [] { return std::unique_ptr<ViewObject>(std::make_unique<FireBallStand>(D)); };
}

const bool registered = RegisterChipCreator(ChipCode(128, 224), MakeStand<0>()) &&
                        RegisterChipCreator(ChipCode(160, 224), MakeStand<1>());

} // namespace

FireBallStand::FireBallStand(int dir) : direction(dir == 1 ? 1 : 0) {
    facing = direction == 0;
}

void FireBallStand::Update() {
    timer += 1;
    if (timer >= Interval) {
        timer = 0;
        enemy::ShootFireBall(x, y, direction);
        world::PlaySound("Fire", x);
    }
}
