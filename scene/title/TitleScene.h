#pragma once
// The title screen: two maker logos, the title fading in, "PRESS START
// BUTTON", then the title menu.
#include "scene/SceneBase.h"

#include <memory>
#include <string>

struct SystemInfo_t;
class State;
class TitleSelectManager;

class TitleScene : public SceneBase {
public:
    TitleScene();
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    const std::string& Phase() const { return phase; }

    // "PRESS START BUTTON" left alone this many frames starts the attract demo.
    static constexpr int DemoIdleFrames = 601;
    // The demo draws rand() modulo the number of stages of the full course.
    static constexpr int DemoDrawRange = 23;
    // The piece the title menu (and the options opened from it) plays.
    static constexpr const char* kMusicFile = "bgm/title.ogg";
    // The stage name the demo plays for a draw of rand().
    static std::string DemoStageName(int draw, const SystemInfo_t& state);

    std::string phase;
    std::weak_ptr<State> phaseObject;
    std::weak_ptr<TitleSelectManager> menu;
    int idleCount = 0;

private:
    void Advance();
    void EnterStop();
    // Sets up demo play and returns the stage scene to go to; empty when that
    // stage is not part of this build.
    std::string StartDemo();
};
