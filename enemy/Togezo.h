#pragma once
// A spiked shell: crawls like the met, slower; landing on it hurts, so it has
// to be shot (three hits).
#include "enemy/Crawler.h"

class Togezo : public Crawler {
public:
    static constexpr int Points = 200;
    static constexpr float Speed = 0.3f;
    static constexpr float Lift = 5.0f; // placed this much above the cell's centre

    Togezo();
    void SetPosition(float nx, float ny) override { Crawler::SetPosition(nx, ny - Lift); }
    void Act() override;
    void Draw() override;
    void Die() override { DieWithPoints(Points); }

    int animation = 0;
};
