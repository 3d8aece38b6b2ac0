#pragma once
// The test stage, reached from the command line.
#include "scene/stage/StageScene.h"

class Stage0Scene : public StageScene {
public:
    Stage0Scene();
    void SetupStage() override;
    // The stage after this one does not exist; clearing it returns to the title.
    std::string NextSceneName() const override;
};
