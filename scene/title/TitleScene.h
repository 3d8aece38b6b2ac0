#pragma once
// The title screen: two maker logos, the title fading in, "PRESS START
// BUTTON", then the title menu.
#include "scene/SceneBase.h"

#include <memory>
#include <string>

class State;
class TitleSelectManager;

class TitleScene : public SceneBase {
public:
    TitleScene();
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    const std::string& Phase() const { return phase; }

    std::string phase;
    std::weak_ptr<State> phaseObject;
    std::weak_ptr<TitleSelectManager> menu;
    int idleCount = 0;

private:
    void Advance();
    void EnterStop();
};
