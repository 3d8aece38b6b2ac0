#pragma once
// A solid block: what the collision operations of moving objects test.
#include "object/ViewObject.h"

class Block : public ViewObject {
public:
    Block() {
        isBlock_ = true;
        priority = 1400;
    }

    int left = 0;
    int top = 0;
    int right = 32;
    int bottom = 32;
};
