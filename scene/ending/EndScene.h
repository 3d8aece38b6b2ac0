#pragma once
// The ending after the last boss: the credits roll up and a line drawing rolls
// down over a drifting backdrop, to the ending music.
#include "scene/SceneBase.h"

class EndScene : public SceneBase {
public:
    // Presses are ignored for this long, so the roll is not skipped by accident.
    static constexpr int IgnorePressFrames = 420;

    EndScene();
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    float backdropAlpha = 0;
    float rollAlpha = 1.0f;
    float backdropX = 0;
    float creditY = 480;
    float pictureY = -1920;
    int frameCount = 0;
    bool fadedIn = false;
    bool leaving = false;
};
