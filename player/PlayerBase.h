#pragma once
// The player character's base: what enemies, items and effects read.
#include "object/TurnObject.h"

class PlayerBase : public TurnObject {
public:
    PlayerBase() {
        priority = 900;
        level = 127;
        aimY = -32;
    }
};
