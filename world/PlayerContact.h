#pragma once
// How the stage world reads and touches the current player: boxes in screen
// pixels built from the integer parts of positions, strict overlap tests, and
// the few operations blocks, hazards and items perform on the player.
class PlayerBase;

namespace world {

struct IntBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// True when the boxes overlap on both axes; boxes that only touch do not.
bool Overlaps(const IntBox& a, const IntBox& b);
// box offset by the integer parts of (x, y).
IntBox BoxAt(float x, float y, int left, int top, int right, int bottom);

// The application's current player, or null outside a stage.
PlayerBase* CurrentPlayer();
// The player's hit box on screen; false when there is no player.
bool PlayerBox(IntBox* box);
// The player is alive (not dying, not finished dying).
bool PlayerAlive();
// A living player's hit box overlaps box.
bool AlivePlayerTouches(const IntBox& box);

} // namespace world
