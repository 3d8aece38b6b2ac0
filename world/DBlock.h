#pragma once
// A damage block: drawn like a block from the chip sheet, but not solid. Its
// kinds make the player miss when the player's hit box overlaps their box.
#include "lib/DxGraphics.h"
#include "object/ViewObject.h"

class DBlock : public ViewObject {
public:
    explicit DBlock(const TexRect& chip);

    // Swallows the first shift after construction, as blocks do.
    void Shift(float dx, float dy) override;
    void Draw() override;

    bool skipShift = true;
    TexRect chipRect;
    int left = 0;
    int top = 0;
    int right = 32;
    int bottom = 32;

protected:
    // Calls the player's Hit when the boxes overlap (the player decides
    // whether it can be hurt).
    void HurtPlayerOnContact();
};
