#pragma once
// The test stage, reached from the command line and the stage select.
#include "scene/stage/TableStage.h"

class Stage0Scene : public TableStage {
public:
    Stage0Scene();
    // The stage after this one does not exist; clearing it returns to the title.
    std::string NextSceneName() const override;
};
