#pragma once
// An object with a screen position; it sleeps while far off screen.
#include "object/ObjectBase.h"

#include <cstdint>

class ViewObject : public ObjectBase {
public:
    void Shift(float dx, float dy) override;
    virtual void SetPosition(float nx, float ny);
    // Moves without the off-screen test.
    virtual void MoveTo(float nx, float ny);

    float DistanceToPlayer() const;
    float AngleToPlayer() const;
    void RemoveIfOutside();

    float x = 0;
    float y = 0;
    std::int16_t aimX = 0;
    std::int16_t aimY = 0;
    int width = 16;
    int height = 16;

protected:
    void TestOffScreen();
};

// The current player as the aim functions see it; set by the application.
const ViewObject* CurrentPlayerView();
