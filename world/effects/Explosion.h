#pragma once
// The 16-frame splashes of dying enemies: Blood (alpha-blended) and Bomb
// (additive), each turned by a random angle and gone after 61 updates.
#include "object/ViewObject.h"

#include <string>

class Explosion : public ViewObject {
public:
    static constexpr int LastFrame = 60;

    void Update() override;
    void Draw() override;

    float scale;
    float angle;
    int counter = 0;

protected:
    Explosion(float px, float py, float scale, const char* texture, float alpha, int blend);

private:
    const char* texture_;
    float alpha_;
    int blend_;
};

class Blood : public Explosion {
public:
    Blood(float px, float py, float scale);
};

class Bomb : public Explosion {
public:
    Bomb(float px, float py, float scale);
};

namespace world {
// A rotation between 0 and 6.27 radians from the visual random generator.
float RandomAngle();
} // namespace world
