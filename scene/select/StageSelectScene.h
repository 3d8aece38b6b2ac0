#pragma once
// The stage select: every stage reached so far ("LastStage"), each startable
// with a fresh player record, and "EXIT" back to the title.
#include "scene/SceneBase.h"

#include <memory>
#include <string>

class MenuBackdrop;
class SelectManager;

class StageSelectScene : public SceneBase {
public:
    StageSelectScene();
    ~StageSelectScene() override;
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    const SelectManager& Menu() const { return *menu_; }

private:
    std::unique_ptr<SelectManager> menu_;
    std::unique_ptr<MenuBackdrop> backdrop_;
};
