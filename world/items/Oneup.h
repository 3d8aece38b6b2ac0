#pragma once
// A spinning extra life (at most 99 lives).
#include "world/items/ItemBase.h"

class Oneup : public ItemBase {
public:
    static constexpr int MaxLives = 99;

    void Update() override;
    void Draw() override;

    float angle = 0;
};
