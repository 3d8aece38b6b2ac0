#pragma once
// A floating text ("100", "1up", "Goal", ...): it rises one pixel a frame
// while it fades out over 100 frames. It keeps running while the stage holds
// the world still (level 100).
#include "object/ViewObject.h"

#include <string>

class ScoreEffect : public ViewObject {
public:
    // Centred on x for 16-pixel glyphs, 16 pixels above y.
    ScoreEffect(float px, float py, const std::string& text);
    void Update() override;
    void Draw() override;

    float alpha = 1.0f;
    std::string text;
};
