#pragma once
// The trial course's ending: one still picture for five seconds or until a press.
#include "scene/SceneBase.h"

#include <memory>

class CTexture;

class TrialEndScene : public SceneBase {
public:
    static constexpr int ShowFrames = 300;

    TrialEndScene();
    ~TrialEndScene() override;
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    int frameCount = 0;

private:
    std::unique_ptr<CTexture> picture_;
};
