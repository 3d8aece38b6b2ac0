#pragma once
// A spinning coin: 100 points.
#include "world/items/ItemBase.h"

class Coin : public ItemBase {
public:
    static constexpr int Points = 100;

    void Update() override;
    void Draw() override;

    int counter = 0; // animation, 0..49: five frames of ten updates
};
