// The runner's trace lists the awake enemies of the current stage.
#include "../player/StageTestSupport.h"

#include "enemy/Brain.h"
#include "enemy/Ghost.h"

namespace {
using EnemyTrace = stagetest::StageFixture;
} // namespace

TEST_F(EnemyTrace, TheTraceListsAwakeEnemiesInListOrder) {
    StartStage(stagetest::FlatRoom());
    std::string empty;
    stage->AppendTrace(empty);
    EXPECT_NE(empty.find(",\"enemies\":[]"), std::string::npos) << empty;

    auto* brain = app->objects->Add(new Brain()).get();
    brain->SetPosition(200.5f, 100.0f);
    auto* asleep = app->objects->Add(new Ghost()).get();
    asleep->SetPosition(900.0f, 100.0f);
    auto* ghost = app->objects->Add(new Ghost()).get();
    ghost->SetPosition(300.0f, 50.0f);
    ghost->facing = false;
    ghost->hitPoints = 0;
    std::string json;
    stage->AppendTrace(json);
    EXPECT_NE(json.find(",\"enemies\":[{\"kind\":\"Ghost\",\"x\":300,\"y\":50,\"hp\":0,"
                        "\"facing\":false},{\"kind\":\"Brain\",\"x\":200.5,\"y\":100,\"hp\":1,"
                        "\"facing\":true}]"),
              std::string::npos)
        << json;
}
