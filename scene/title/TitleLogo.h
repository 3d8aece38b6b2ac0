#pragma once
// The title lettering fading in over the title picture; Stop waits for a press.
#include "scene/title/State.h"

class TitleLogo : public State {
public:
    void Update() override;
    void Draw() override;

    float alpha = 0.0f;
    int framesAtFull = 0;
};

class Stop : public State {
public:
    Stop();
    void Update() override;
};
