#pragma once
// What the search reads from the running game: the heroine's place on the map,
// whether she is alive, at the goal or free to move, and what lies ahead of
// her. Everything is read through the engine's own objects.
#include "tools/autoplay/NavigationField.h"

#include <cstdint>

namespace autoplay {

struct StageView {
    bool inStage = false;      // the current scene is a stage with a player
    bool controllable = false; // full play: the player's control step runs
    bool eventRunning = false; // a conversation holds the stage
    bool alive = false;
    bool goal = false; // the goal was touched
    int mapX = 0;      // the heroine's feet in map pixels
    int mapY = 0;
    int jumpState = 0;
    int vy = 0;
    bool facingLeft = false;
    int mapWidth = 0; // in pixels
    bool bossStage = false;
    int bosses = 0;       // bosses on the stage now
    int bossHp = 0;       // their hit points together
    bool goalOut = false; // a goal mirror stands on the stage
    int goalDistance = 0; // from her aim point to the mirror's, in pixels
    int ammo = 0;         // rounds in the gun and in her magazines
    // Her box overlaps a living boss's: deadly at once, or as soon as a boss
    // that is still fading in can touch her.
    bool insideBoss = false;
    int magazineDistance = -1; // to the nearest magazine on the stage, in pixels; -1: none
};

StageView LookAtStage();

// The goal-distance measure over the current stage's blocks, damage blocks
// and goal mirror; empty when the stage has no mirror yet (boss stages).
// With a cell given, the measure leads there instead of to the mirror.
NavigationField MeasureStage(int targetColumn = -1, int targetRow = -1);

// The awake enemies near the heroine (half a screen either way), each by the
// 32-pixel cell it is in, folded into one number: two snapshots at the same
// place with the enemies elsewhere are different states to the search.
std::uint64_t NearbyEnemies();

// The buttons the heroine adds by herself: fire while an enemy stands in the
// line of fire on the side she faces (or will face with `buttons`), and
// reload as soon as the gun is empty.
std::uint8_t AutoShot(std::uint8_t buttons);

// True when walking on would soon meet a wall, a gap in the floor or an enemy,
// so that a jump is the better first guess.
bool JumpLooksWise();

// The first move to try: walk on, jump over what JumpLooksWise sees, or jump
// straight up under the goal mirror. In a boss fight: fetch a dropped magazine
// when the gun runs low, else keep a shooting distance from the boss, facing it.
std::uint8_t PreferredMove();

// What the fight's first guess remembers along a path: where the boss has
// been, in map pixels. A snapshot rebuilt by replaying its path carries it over.
struct FightMemory {
    bool known = false;
    float left = 0;
    float right = 0;
};
FightMemory RememberFight();
void RestoreFight(const FightMemory& memory);

} // namespace autoplay
