#pragma once
// A one-way platform: a 32 x 1 strip at the top of its cell. Bullets, enemies
// and cases treat it as solid; the player jumps up through it and walks
// through it sideways, but lands on it (the player checks IsScaffolding()).
#include "world/Block.h"

class Scaffolding : public Block {
public:
    explicit Scaffolding(const TexRect& chip);
};
