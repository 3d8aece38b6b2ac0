#pragma once
// A helmeted critter: walks on, turning at walls and dropping off ledges.
#include "enemy/Crawler.h"

class Met : public Crawler {
public:
    static constexpr int Points = 200;
    static constexpr float Speed = 0.5f;

    Met();
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
