#pragma once
// The music mode: a list of the game's music; choosing a piece plays it in
// place of the one playing, "exit" returns to the title.
#include "scene/SceneBase.h"

#include <memory>
#include <string>

class MenuBackdrop;
class SelectManager;

class MusicModeScene : public SceneBase {
public:
    MusicModeScene();
    ~MusicModeScene() override;
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;

    const SelectManager& Menu() const { return *menu_; }
    // The title of the piece last started, empty when none (or when it failed).
    const std::string& Playing() const { return playing_; }

private:
    void PlayPiece(int index);

    std::unique_ptr<SelectManager> menu_;
    std::unique_ptr<MenuBackdrop> backdrop_;
    std::string playing_;
};
