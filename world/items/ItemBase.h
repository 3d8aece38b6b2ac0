#pragma once
// What every collectable shares: a touch test against the living player and
// the pickup (sound, flash, floating text, gone).
#include "object/ViewObject.h"

#include <string>

class ItemBase : public ViewObject {
protected:
    ItemBase();

    // The player touches the box (-reach, -reach, reach, reach) around the
    // item's position; a dying player touches nothing.
    bool Touched(int reach) const;
    // Plays the sound, shows the pickup flash and the text, removes the item.
    // The caller applies the reward.
    void ShowPickup(const std::string& sound, const std::string& text);
};
