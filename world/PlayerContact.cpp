#include "world/PlayerContact.h"

#include "app/VrelsSkarovApp.h"
#include "player/PlayerBase.h"

#include <cmath>

namespace world {

bool Overlaps(const IntBox& a, const IntBox& b) {
    return a.top < b.bottom && b.top < a.bottom && b.left < a.right && a.left < b.right;
}

IntBox BoxAt(float x, float y, int left, int top, int right, int bottom) {
    const int ix = static_cast<int>(std::trunc(x));
    const int iy = static_cast<int>(std::trunc(y));
    return IntBox{ix + left, iy + top, ix + right, iy + bottom};
}

PlayerBase* CurrentPlayer() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    return app ? app->player : nullptr;
}

bool PlayerBox(IntBox* box) {
    const PlayerBase* player = CurrentPlayer();
    if (!player) {
        return false;
    }
    *box = BoxAt(player->x, player->y, player->hitLeft, player->hitTop, player->hitRight,
                 player->hitBottom);
    return true;
}

bool PlayerAlive() {
    const PlayerBase* player = CurrentPlayer();
    return player && player->lifeState == 0;
}

bool AlivePlayerTouches(const IntBox& box) {
    IntBox playerBox;
    return PlayerAlive() && PlayerBox(&playerBox) && Overlaps(playerBox, box);
}

} // namespace world
