#pragma once
// The flash of a collected item: 12 additive frames, three updates each.
#include "object/ViewObject.h"

class ItemgetEffect : public ViewObject {
public:
    static constexpr int LastFrame = 33;

    ItemgetEffect(float px, float py);
    void Update() override;
    void Draw() override;

    int counter = 0;
};
