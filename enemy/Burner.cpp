#include "enemy/Burner.h"

#include "enemy/EnemySprite.h"
#include "world/PlaceChip.h"
#include "world/SpriteDraw.h"

namespace {

template <int D> ChipCreator MakeBurner() {
    return [] { return std::unique_ptr<ViewObject>(std::make_unique<Burner>(D)); };
}

const bool registered = RegisterChipCreator(ChipCode(0, 224), MakeBurner<Burner::Left>()) &&
                        RegisterChipCreator(ChipCode(32, 224), MakeBurner<Burner::Right>()) &&
                        RegisterChipCreator(ChipCode(64, 224), MakeBurner<Burner::Up>()) &&
                        RegisterChipCreator(ChipCode(96, 224), MakeBurner<Burner::Down>());

} // namespace

Burner::Burner(int dir) : direction(dir < Left || dir > Down ? Left : dir) {
    hitPoints = 1;
    stompable = false;
    switch (direction) {
    case Left:
        width = 64;
        height = 32;
        SetBox(-40, -8, 8, 8);
        break;
    case Right:
        width = 64;
        height = 32;
        SetBox(-8, -8, 24, 8);
        break;
    case Up:
        width = 32;
        height = 64;
        SetBox(-8, -40, 8, 8);
        break;
    default:
        width = 32;
        height = 64;
        SetBox(-8, -8, 8, 40);
        break;
    }
}

void Burner::SetPosition(float nx, float ny) {
    switch (direction) {
    case Left:
        nx -= Offset;
        break;
    case Right:
        nx += Offset;
        break;
    case Up:
        ny -= Offset;
        break;
    default:
        ny += Offset;
        break;
    }
    EnemyBase::SetPosition(nx, ny);
}

void Burner::Act() {
    timer += 1;
    if (!burning) {
        if (timer > IdleFrames) {
            burning = true;
            timer = 0;
            animation = 0;
            world::PlaySound("Burner", x);
        }
        return;
    }
    if (timer > BurnFrames) {
        burning = false;
        timer = 0;
    }
    animation = enemy::NextAnimation(animation, 15);
}

void Burner::TouchPlayer() {
    if (burning) {
        EnemyBase::TouchPlayer();
    }
}

void Burner::Draw() {
    if (!burning) {
        return;
    }
    enemy::Frame frame = enemy::Stacked(animation / 5, 64, 32);
    // The picture points right.
    float angle = 0.0f;
    if (direction == Up) {
        angle = -1.570795f;
    } else if (direction == Down) {
        angle = 1.570795f;
    }
    enemy::DrawFrame("Burner", frame, x, y, direction == Left, 1.0f, angle);
}
