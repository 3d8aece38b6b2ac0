#pragma once
// A practice target: stands still, can be shot and stomped, awards nothing.
#include "enemy/EnemyBase.h"

class Dummy : public EnemyBase {
public:
    Dummy();
    void Act() override {}
    void Draw() override;
};
