#include "tools/autoplay/StageProbe.h"

#include "app/VrelsSkarovApp.h"
#include "enemy/BossBase.h"
#include "enemy/EnemyBase.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "object/ViewObject.h"
#include "player/PlayerBase.h"
#include "player/PlayerMary.h"
#include "player/Skarov.h"
#include "scene/stage/BossStage.h"
#include "scene/stage/StageScene.h"
#include "world/Block.h"
#include "world/BreakBlock.h"
#include "world/DBlock.h"
#include "world/ViewMap.h"
#include "world/items/Goal.h"
#include "world/items/Magazine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace autoplay {

namespace {

PlayerBase* Player() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    return app ? app->player : nullptr;
}

// True when a solid block covers the screen rectangle.
bool SolidAt(int l, int t, int r, int b, bool withScaffolding) {
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed || !object->IsBlock()) {
            continue;
        }
        const auto* block = static_cast<const Block*>(object.get());
        if (!withScaffolding && block->IsScaffolding()) {
            continue;
        }
        const int bx = static_cast<int>(block->x);
        const int by = static_cast<int>(block->y);
        if (bx + block->left < r && bx + block->right > l && by + block->top < b &&
            by + block->bottom > t) {
            return true;
        }
    }
    return false;
}

const Skarov* Gun() {
    const auto* mary = dynamic_cast<const PlayerMary*>(Player());
    return mary ? mary->Gun() : nullptr;
}

int Ammo() {
    const Skarov* gun = Gun();
    return gun ? gun->rounds + gun->magazines * Skarov::RoundsPerMagazine : 0;
}

const BossBase* LivingBoss() {
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        const auto* boss = dynamic_cast<const BossBase*>(object.get());
        if (boss && !boss->removed && !boss->dying) {
            return boss;
        }
    }
    return nullptr;
}

const Magazine* NearestMagazine(float px) {
    const Magazine* nearest = nullptr;
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        const auto* magazine = dynamic_cast<const Magazine*>(object.get());
        if (magazine && !magazine->removed &&
            (!nearest || std::fabs(magazine->x - px) < std::fabs(nearest->x - px))) {
            nearest = magazine;
        }
    }
    return nearest;
}

// Where the boss has been on this path, in map pixels (its box's left and
// right). Each forked copy carries its own.
FightMemory g_bossRange;

float MapOriginX() {
    const StageScene* stage = CurrentStage();
    return stage && stage->map
               ? static_cast<float>(stage->map->scrollColumn * 32) - stage->map->subOffsetX
               : 0.0f;
}

void NoteBossRange(const BossBase& boss) {
    const float left = boss.x + static_cast<float>(boss.BoxLeft()) + MapOriginX();
    const float right = boss.x + static_cast<float>(boss.BoxRight()) + MapOriginX();
    if (!g_bossRange.known) {
        g_bossRange = FightMemory{true, left, right};
        return;
    }
    g_bossRange.left = std::min(g_bossRange.left, left);
    g_bossRange.right = std::max(g_bossRange.right, right);
}

// The one-way shelf whose line of fire, for her standing on it, passes
// through the boss's box (39 pixels above its top): one the boss has never
// come near first, then the one nearest to x.
const Block* ShelfFacing(const BossBase& boss, float x) {
    const float bossTop = boss.y + static_cast<float>(boss.top) + 8.0f;
    const float bossBottom = boss.y + static_cast<float>(boss.bottom) - 8.0f;
    const float origin = MapOriginX();
    const Block* best = nullptr;
    float bestRank = 0;
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed || !object->IsBlock()) {
            continue;
        }
        const auto* block = static_cast<const Block*>(object.get());
        if (!block->IsScaffolding()) {
            continue;
        }
        const float line = block->y + static_cast<float>(block->top) - 39.0f;
        if (line <= bossTop || line >= bossBottom) {
            continue;
        }
        // Her box is 32 wide: keep 24 pixels clear of where the boss has been.
        const float left = block->x + static_cast<float>(block->left) + origin;
        const float right = block->x + static_cast<float>(block->right) + origin;
        const bool clear = !g_bossRange.known || right < g_bossRange.left - 24.0f ||
                           left > g_bossRange.right + 24.0f;
        const float middle = block->x + static_cast<float>(block->left + block->right) / 2.0f;
        const float rank = std::fabs(middle - x) + (clear ? 0.0f : 100000.0f);
        if (!best || rank < bestRank) {
            best = block;
            bestRank = rank;
        }
    }
    return best;
}

// In a fight: a magazine first when the gun is nearly empty, then a place
// 100 to 180 pixels from the boss, facing it, where the gun fires by itself;
// a boss above her line of fire is shot from a shelf or from a jump.
std::uint8_t FightMove(const PlayerBase& player, const BossBase& boss) {
    const Skarov* gun = Gun();
    const bool low = !gun || (gun->magazines == 0 && gun->rounds < 6);
    const bool grounded = player.jumpState == PlayerBase::OnGround;
    // A jump goes higher while the button stays down: keep it down on the way up.
    const bool rising = !grounded && player.vy < 0;
    if (const Magazine* magazine = low ? NearestMagazine(player.x) : nullptr) {
        const float dx = magazine->x - player.x;
        const std::uint8_t toward = dx > 0 ? ButtonRight : ButtonLeft;
        // Her box reaches 57 pixels above her feet; higher drops need a jump.
        const bool high = magazine->y < player.y - 70;
        const bool jump = high && (grounded || rising);
        if (std::fabs(dx) < 12) {
            return jump ? ButtonSub : 0;
        }
        return (jump && std::fabs(dx) < 64) ? (toward | ButtonSub) : toward;
    }
    NoteBossRange(boss);
    const float dx = boss.x - player.x;
    const std::uint8_t toward = dx > 0 ? ButtonRight : ButtonLeft;
    const std::uint8_t away = dx > 0 ? ButtonLeft : ButtonRight;
    const bool facesBoss = player.facing == (dx < 0);
    const float lineOfFire = player.y - 39.0f;
    const bool bossAbove = boss.y + static_cast<float>(boss.bottom) < lineOfFire - 10.0f;
    if (bossAbove) {
        // A swimmer or a flyer: from a one-way shelf whose line of fire
        // meets it, else from the top of a jump.
        if (const Block* shelf = ShelfFacing(boss, player.x)) {
            const float top = shelf->y + static_cast<float>(shelf->top);
            const float middle = shelf->x + static_cast<float>(shelf->left + shelf->right) / 2.0f;
            const bool onShelf = grounded && std::fabs(player.y - top) < 4.0f;
            if (!onShelf) {
                const float toShelf = middle - player.x;
                const std::uint8_t way = toShelf > 0 ? ButtonRight : ButtonLeft;
                const bool jump = grounded || rising;
                if (std::fabs(toShelf) < 24.0f) {
                    return jump ? ButtonSub : 0;
                }
                return jump && std::fabs(toShelf) < 48.0f ? (way | ButtonSub) : way;
            }
            return facesBoss ? 0 : toward;
        }
        if (std::fabs(dx) >= 100 && std::fabs(dx) <= 180 && (grounded || rising)) {
            return facesBoss ? ButtonSub : (toward | ButtonSub);
        }
    }
    if (std::fabs(dx) > 180) {
        return toward;
    }
    if (std::fabs(dx) < 100) {
        return away;
    }
    return facesBoss ? 0 : toward;
}

} // namespace

StageView LookAtStage() {
    StageView view;
    StageScene* stage = CurrentStage();
    PlayerBase* player = Player();
    if (!stage || !player || !stage->map) {
        return view;
    }
    const ViewMap& map = *stage->map;
    view.inStage = true;
    view.eventRunning = stage->eventRunning;
    view.controllable = stage->UpdateLevel() == 255 && stage->clearState == 0 &&
                        player->lifeState == PlayerBase::Alive && !stage->eventRunning;
    view.alive = player->lifeState == PlayerBase::Alive;
    view.goal = player->goalReached || stage->clearState > 0;
    view.mapX = static_cast<int>(player->x + map.scrollColumn * 32 - map.subOffsetX);
    view.mapY = static_cast<int>(player->y + map.scrollRow * 32 - map.subOffsetY);
    view.jumpState = player->jumpState;
    view.vy = static_cast<int>(std::floor(player->vy));
    view.facingLeft = player->facing;
    view.mapWidth = map.width * 32;
    view.bossStage = dynamic_cast<const BossStage*>(stage) != nullptr;
    view.ammo = Ammo();
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed) {
            continue;
        }
        if (const auto* boss = dynamic_cast<const BossBase*>(object.get())) {
            if (!boss->dying) {
                ++view.bosses;
                view.bossHp += std::max(boss->hitPoints, 0);
                const float bx = boss->x;
                const float by = boss->y;
                view.insideBoss =
                    view.insideBoss ||
                    (player->HitBoxRight() > bx + static_cast<float>(boss->BoxLeft()) &&
                     player->HitBoxLeft() < bx + static_cast<float>(boss->BoxRight()) &&
                     player->HitBoxBottom() > by + static_cast<float>(boss->top) &&
                     player->HitBoxTop() < by + static_cast<float>(boss->bottom));
            }
        } else if (const auto* magazine = dynamic_cast<const Magazine*>(object.get())) {
            // From the middle of her box.
            const int d = static_cast<int>(
                std::hypot(magazine->x - player->x, magazine->y - (player->y - 28.0f)));
            if (view.magazineDistance < 0 || d < view.magazineDistance) {
                view.magazineDistance = d;
            }
        } else if (const auto* goal = dynamic_cast<const Goal*>(object.get())) {
            view.goalOut = true;
            view.goalDistance = static_cast<int>(goal->DistanceToPlayer());
        }
    }
    return view;
}

NavigationField MeasureStage(int targetColumn, int targetRow) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    StageScene* stage = CurrentStage();
    if (!app || !stage || !stage->map) {
        return NavigationField();
    }
    const ViewMap& map = *stage->map;
    // Objects keep screen positions: add the view's offset for map pixels.
    const int originX = map.scrollColumn * 32 - static_cast<int>(map.subOffsetX);
    const int originY = map.scrollRow * 32 - static_cast<int>(map.subOffsetY);
    CellGrid grid(map.width, map.height);
    int goalColumn = -1;
    int goalRow = -1;
    for (const auto& object : app->objects->Objects()) {
        const auto* placed = dynamic_cast<const ViewObject*>(object.get());
        if (object->removed || !placed) {
            continue;
        }
        const int ox = static_cast<int>(placed->x) + originX;
        const int oy = static_cast<int>(placed->y) + originY;
        if (object->IsBlock()) {
            const auto* block = static_cast<const Block*>(object.get());
            CellGrid::Mark(block->IsScaffolding() ? grid.platform : grid.solid, grid.width,
                           grid.height, ox + block->left, oy + block->top, ox + block->right,
                           oy + block->bottom);
            if (dynamic_cast<const BreakBlock*>(block)) {
                CellGrid::Mark(grid.crumble, grid.width, grid.height, ox + block->left,
                               oy + block->top, ox + block->right, oy + block->bottom);
            }
        } else if (const auto* damage = dynamic_cast<const DBlock*>(object.get())) {
            // Slightly inside the box: a spike strip does not take the cell beside it.
            CellGrid::Mark(grid.hazard, grid.width, grid.height, ox + damage->left + 4,
                           oy + damage->top + 4, ox + damage->right - 4, oy + damage->bottom - 4);
        } else if (dynamic_cast<const Goal*>(object.get())) {
            // The mirror's position lies far above the cell it stands in:
            // measure from that cell, or a floor over a low hall (the mirror
            // under a ceiling) would pass for its foot.
            goalColumn = ox / 32;
            goalRow = (oy + static_cast<int>(Goal::StandHeight)) / 32;
        }
    }
    if (targetColumn >= 0) {
        return NavigationField::Compute(grid, targetColumn, targetRow);
    }
    return NavigationField::Compute(grid, goalColumn, goalRow);
}

std::uint64_t NearbyEnemies() {
    PlayerBase* player = Player();
    std::uint64_t digest = 0;
    if (!player) {
        return digest;
    }
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed || object->asleep) {
            continue;
        }
        const auto* enemy = dynamic_cast<const EnemyBase*>(object.get());
        if (enemy && !enemy->dying && std::fabs(enemy->x - player->x) < 320.0f) {
            const auto cell =
                static_cast<std::uint64_t>(((static_cast<int>(enemy->x) >> 5) & 0xffff) |
                                           ((static_cast<int>(enemy->y) >> 5) & 0xffff) << 16);
            digest = (digest ^ cell) * 1099511628211ull;
        }
    }
    return digest;
}

std::uint8_t AutoShot(std::uint8_t buttons) {
    PlayerBase* player = Player();
    if (!player) {
        return 0;
    }
    // An empty gun reloads at the first pull, enemy or not: better now than
    // when something stands in front of her. In a boss fight a spare
    // magazine stops the drops: spend the last few rounds and reload at once.
    if (const Skarov* gun = Gun(); gun && gun->magazines > 0 && !gun->reloading) {
        if (gun->rounds == 0 || (gun->rounds <= 4 && LivingBoss())) {
            return ButtonShot;
        }
    }
    bool left = player->facing;
    if (buttons & ButtonLeft) {
        left = true;
    } else if (buttons & ButtonRight) {
        left = false;
    }
    // Sweep the bullet's box along its flight (180 pixels from the muzzle)
    // through each enemy's own hit test.
    const int muzzleX = static_cast<int>(player->x) + (left ? -32 : 32);
    const int muzzleY = static_cast<int>(player->y) - ((buttons & ButtonDown) ? 32 : 39);
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed || object->asleep) {
            continue;
        }
        const auto* enemy = dynamic_cast<const EnemyBase*>(object.get());
        if (!enemy || enemy->dying) {
            continue;
        }
        for (int d = 0; d <= 180; d += 12) {
            const int bx = left ? muzzleX - d : muzzleX + d;
            if (enemy->HitTest(bx - 12, muzzleY - 10, bx + 12, muzzleY + 10)) {
                return ButtonShot;
            }
        }
    }
    return 0;
}

FightMemory RememberFight() {
    return g_bossRange;
}

void RestoreFight(const FightMemory& memory) {
    g_bossRange = memory;
}

std::uint8_t PreferredMove() {
    PlayerBase* player = Player();
    if (!player) {
        return ButtonRight;
    }
    if (const BossBase* boss = LivingBoss(); boss && player->lifeState == PlayerBase::Alive) {
        return FightMove(*player, *boss);
    }
    // The mirror's middle is above her reach: under it, jump straight up.
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        const auto* goal = dynamic_cast<const Goal*>(object.get());
        if (goal && !goal->removed && std::fabs(goal->x + goal->aimX - player->x) < 20) {
            return ButtonSub;
        }
    }
    return JumpLooksWise() ? (ButtonRight | ButtonSub) : ButtonRight;
}

bool JumpLooksWise() {
    PlayerBase* player = Player();
    if (!player || player->jumpState != PlayerBase::OnGround) {
        return false;
    }
    const int x = static_cast<int>(player->x);
    const int y = static_cast<int>(player->y);
    // A wall within a step or two.
    if (SolidAt(x + 16, y - 48, x + 40, y - 4, false)) {
        return true;
    }
    // No floor under the next cell.
    if (!SolidAt(x + 20, y, x + 44, y + 96, true)) {
        return true;
    }
    for (const auto& object : VrelsSkarovApp::Instance()->objects->Objects()) {
        if (object->removed || object->asleep) {
            continue;
        }
        const auto* enemy = dynamic_cast<const EnemyBase*>(object.get());
        if (enemy && !enemy->dying) {
            const float dx = enemy->x - player->x;
            if (dx > 0 && dx < 110 && std::fabs(enemy->y - player->y) < 80) {
                return true;
            }
        }
    }
    return false;
}

} // namespace autoplay
