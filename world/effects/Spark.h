#pragma once
// A 4 x 4 dot that flies straight and shrinks away in about 95 frames. It
// lives in screen space: scrolling does not move it and it never sleeps.
#include "object/ObjectBase.h"

#include <memory>

class Spark : public ObjectBase {
public:
    Spark(float px, float py, float velocityX, float velocityY);
    // A spark flying in direction angle (radians) at speed pixels a frame.
    static std::unique_ptr<Spark> Directed(float px, float py, float angle, float speed);

    void Update() override;
    void Draw() override;

    float x;
    float y;
    float vx;
    float vy;
    float scale = 1.1f;
};
