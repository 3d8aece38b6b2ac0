#pragma once
// A stage whose every value comes from its row of the stage table: the
// ordinary stages are nothing more, boss stages build on it.
#include "scene/stage/StageScene.h"
#include "scene/stage/StageTable.h"

class TableStage : public StageScene {
public:
    explicit TableStage(const StageRow& row);

    // Loads the map, then starts the stage's music.
    void SetupStage() override;

    const StageRow& row;

protected:
    void LoadStageMap();
    void StartStageMusic();
};

// Defines a stage class that takes everything from the table row of its own
// name, and registers it under that name:
//   VRELS_TABLE_STAGE(Stage1_1Scene)
#define VRELS_TABLE_STAGE(Class)                                                                   \
    class Class : public TableStage {                                                              \
    public:                                                                                        \
        Class() : TableStage(StageRowFor(#Class)) {}                                               \
    };                                                                                             \
    REGISTER_SCENE(Class)
