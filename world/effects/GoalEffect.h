#pragma once
// The flash at the goal: five additive frames, seven updates each.
#include "object/ViewObject.h"

class GoalEffect : public ViewObject {
public:
    static constexpr int Lifetime = 35;

    GoalEffect(float px, float py);
    void Update() override;
    void Draw() override;

    int counter = 0;
};
