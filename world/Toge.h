#pragma once
// Spikes: a hazard covering most of its cell. UToge is the second spike kind
// with a slightly different box.
#include "world/DBlock.h"

class Toge : public DBlock {
public:
    Toge();
    void Update() override;

protected:
    explicit Toge(const TexRect& chip);
};

class UToge : public Toge {
public:
    UToge();
};
