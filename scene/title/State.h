#pragma once
// A phase of the title screen; the scene advances when it reports finished.
#include "object/ViewObject.h"

class State : public ViewObject {
public:
    bool finished = false;
};
