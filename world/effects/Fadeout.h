#pragma once
// Screen fades. The stage scene polls done to know when the screen is black.
#include "object/ObjectBase.h"

class FadeBase : public ObjectBase {
public:
    bool done = false;
};

// Fades the whole screen to black in about 50 frames, then stays black.
class Fadeout : public FadeBase {
public:
    Fadeout();
    void Update() override;
    void Draw() override;

    float alpha = 0;
};
