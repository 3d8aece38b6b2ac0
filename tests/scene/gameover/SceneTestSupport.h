#pragma once
// A whole engine context for the screens around the stages, run in a temporary
// folder so that what they write ("score.ini") never lands in the build tree.
#include "../../support/EngineFixture.h"

#include "lib/KeyCodes.h"
#include "scene/SceneBase.h"
#include "scene/SceneFactory.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace scenetest {

// A stand-in for a stage scene this build may not have: tests only check the
// names scenes return, they never play the stage.
class StandInScene : public SceneBase {
public:
    std::string Update() override { return ""; }
};

inline void RegisterStandIn(const std::string& name) {
    if (!IsSceneRegistered(name)) {
        RegisterScene(name, &MakeScene<StandInScene>);
    }
}

class SceneFixture : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        char buffer[4096];
        if (getcwd(buffer, sizeof(buffer))) {
            saved = buffer;
        }
        char folder[] = "/tmp/vrels-scene-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        dir = folder;
        ASSERT_EQ(chdir(dir.c_str()), 0);
        // Keys count as pressed only after they were seen up once, as after
        // any earlier scene that polled them.
        Hold({});
        app->input->ConfirmPressed();
    }
    void TearDown() override {
        EngineFixture::TearDown();
        std::remove((dir + "/score.ini").c_str());
        std::remove((dir + "/score.ini.tmp").c_str());
        if (!saved.empty() && chdir(saved.c_str()) != 0) {
            std::perror("chdir");
        }
        rmdir(dir.c_str());
    }

    // One frame step of a scene as the application runs it: input, then update.
    std::string Step(SceneBase& scene, std::set<int> keys = {}) {
        Hold(keys);
        return scene.Update();
    }
    // A fresh press of confirm (Return) followed by a release frame.
    std::string Press(SceneBase& scene, int key = dik::RETURN) {
        const std::string pressed = Step(scene, {key});
        const std::string released = Step(scene);
        return pressed.empty() ? released : pressed;
    }

    std::string saved;
    std::string dir;
};

} // namespace scenetest
