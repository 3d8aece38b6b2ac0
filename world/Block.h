#pragma once
// A solid 32 x 32 cell of the stage: the ground everything stands on and
// collides with. Moving objects find blocks by walking the object list and
// testing IsBlock(); the player also asks IsScaffolding() to let one-way
// platforms through from below and from the side.
//
// What the player does with blocks:
//   - collision box: (x + left, y + top) .. (x + right, y + bottom), with the
//     integer parts of x and y;
//   - when the player lands on a block it sets steppedOn = true; a BreakBlock
//     breaks and a Floating platform carries the player from that flag (the
//     platform adds its own step to the player's vx in its update).
#include "lib/DxGraphics.h"
#include "object/ViewObject.h"

class Block : public ViewObject {
public:
    Block();
    // A block that looks like the chip at (chipX, chipY) of the chip sheet.
    Block(int chipX, int chipY);
    explicit Block(const TexRect& chip);

    // The first shift after construction is swallowed: placement ends with a
    // zero shift that must not change the asleep flag SetPosition gave.
    void Shift(float dx, float dy) override;
    void Draw() override;

    bool IsScaffolding() const { return oneWay_; }

    bool skipShift = true;
    TexRect chipRect{0, 0, 32, 32};
    // Collision box relative to the position (the cell's top-left corner).
    int left = 0;
    int top = 0;
    int right = 32;
    int bottom = 32;
    bool steppedOn = false;

protected:
    bool oneWay_ = false;
};

// The source rectangle of the 32 x 32 chip whose top-left corner is at (chipX, chipY).
TexRect ChipRect(int chipX, int chipY);
