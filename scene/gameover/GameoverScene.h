#pragma once
// The game-over picture: fades in, waits, fades out, then the name entry (when
// the run's score ranks) or the title.
#include "scene/SceneBase.h"

class GameoverScene : public SceneBase {
public:
    GameoverScene();
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    static constexpr int WaitFrames = 330;

    float alpha = 0;
    int frameCount = 0;
    bool leaving = false;
};
