#include "../support/EngineFixture.h"
#include "app/FPSCounter.h"
#include "scene/SceneBase.h"
#include "scene/SceneFactory.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class ProbeObject : public ObjectBase {
public:
    ~ProbeObject() override { g_events.push_back("object gone"); }
};

// Asks for its successor in its very first update.
class LeavingScene : public SceneBase {
public:
    ~LeavingScene() override { g_events.push_back("leaving gone"); }
    std::string Update() override {
        g_events.push_back("leaving update");
        return "FrameStepArrivingScene";
    }
    void Draw() override { g_events.push_back("leaving draw"); }
};

class ArrivingScene : public SceneBase {
public:
    ArrivingScene() { g_events.push_back("arriving made"); }
    ~ArrivingScene() override { g_events.push_back("arriving gone"); }
    void Start() override { g_events.push_back("arriving start"); }
    std::string Update() override {
        g_events.push_back("arriving update");
        return std::string();
    }
    void Draw() override { g_events.push_back("arriving draw"); }
};

class FrameStep : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        RegisterScene("FrameStepArrivingScene", &MakeScene<ArrivingScene>);
        app->fpsCounter = std::make_shared<FPSCounter>();
        g_events.clear();
    }
};

} // namespace

TEST_F(FrameStep, DrawsBeforeUpdatingAndNeverDrawsASceneThatLeavesAtOnce) {
    app->scene = std::make_shared<LeavingScene>();
    app->objects->Add(new ProbeObject());

    app->OnIdle(1); // start-up: nothing is drawn
    EXPECT_EQ(recorder->Frames(), 0);
    EXPECT_EQ(g_events, (std::vector<std::string>{"leaving update", "object gone", "leaving gone",
                                                  "arriving made", "arriving start"}));
    g_events.clear();
    app->OnIdle(2); // the new scene is updated before it is first drawn
    app->OnIdle(3);
    EXPECT_EQ(recorder->Frames(), 1);
    EXPECT_EQ(g_events,
              (std::vector<std::string>{"arriving update", "arriving draw", "arriving update"}));
    EXPECT_EQ(app->fpsCounter->frames, 3) << "every step counts, drawn or not";
}

TEST_F(FrameStep, ALostDeviceStopsUpdatesDrawsAndTheCounter) {
    app->scene = std::make_shared<ArrivingScene>();
    app->OnIdle(1);
    g_events.clear();
    recorder->LoseDevice();
    app->OnIdle(2); // drawn, and the present finds the device lost
    EXPECT_TRUE(app->graphics->deviceLost);
    g_events.clear();
    const int counted = app->fpsCounter->frames;
    app->OnIdle(3); // reset
    app->OnIdle(4); // the device answers again
    EXPECT_TRUE(g_events.empty());
    EXPECT_EQ(app->fpsCounter->frames, counted);
    EXPECT_FALSE(app->graphics->deviceLost);
    EXPECT_EQ(recorder->Resets(), 1);
    app->OnIdle(5);
    EXPECT_EQ(g_events, (std::vector<std::string>{"arriving draw", "arriving update"}));
}

TEST_F(FrameStep, ClosingEmptiesTheObjectsBeforeReleasingTheScene) {
    app->scene = std::make_shared<ArrivingScene>();
    app->objects->Add(new ProbeObject());
    g_events.clear();
    app->OnDestroy();
    EXPECT_EQ(g_events, (std::vector<std::string>{"object gone", "arriving gone"}));
    EXPECT_FALSE(app->OnIdle(1)) << "nothing runs after the close";
}
