#include "scene/options/Rebinding.h"

#include "lib/KeyCodes.h"

#include <utility>

namespace {

// The action's slot and the other action's slot in a pair of bindings.
BindResult Bind(int& mine, int& other, int value) {
    if (mine == value) {
        return BindResult::Unchanged;
    }
    if (other == value) {
        std::swap(mine, other);
        return BindResult::Swapped;
    }
    mine = value;
    return BindResult::Bound;
}

// The game-controller layout's D-pad buttons: they move, like the arrows.
constexpr int kPadDpadFirst = 11;
constexpr int kPadDpadLast = 14;

} // namespace

bool KeyIsReserved(int key) {
    switch (key) {
    case dik::ESCAPE:
    case dik::UP:
    case dik::DOWN:
    case dik::LEFT:
    case dik::RIGHT:
    case dik::P:
    case dik::F12:
    case dik::F1:
        return true;
    default:
        return key <= 0 || key > 255;
    }
}

bool PadButtonIsReserved(int button) {
    return button < 0 || button >= 32 || (button >= kPadDpadFirst && button <= kPadDpadLast);
}

BindResult BindKey(GameOptions& options, GameAction action, int key) {
    if (KeyIsReserved(key)) {
        return BindResult::Refused;
    }
    return action == GameAction::Shot ? Bind(options.keyShot, options.keySub, key)
                                      : Bind(options.keySub, options.keyShot, key);
}

BindResult BindPadButton(GameOptions& options, GameAction action, int button) {
    if (PadButtonIsReserved(button)) {
        return BindResult::Refused;
    }
    const int stored = button + 1;
    return action == GameAction::Shot ? Bind(options.joyShot, options.joySub, stored)
                                      : Bind(options.joySub, options.joyShot, stored);
}
