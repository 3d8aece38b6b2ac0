#pragma once
#include "object/ViewObject.h"

// An object with a facing: false faces right, true faces left (drawn mirrored).
class TurnObject : public ViewObject {
public:
    bool facing = false;
};
