#pragma once
// An invisible, passable cell that closes behind the player: once touched, it
// turns into a solid block as soon as the player is more than 64 pixels to its
// right.
#include "lib/DxGraphics.h"
#include "object/ViewObject.h"

class BringBlock : public ViewObject {
public:
    static constexpr float CloseDistance = 64.0f;

    explicit BringBlock(const TexRect& chip);
    void Update() override;

    TexRect chipRect;
    bool triggered = false;
};
