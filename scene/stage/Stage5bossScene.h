#pragma once
// The last stage: the first form of the last boss, a second conversation
// where it falls, the second form, and the last conversation, which plays in
// silence and ends in the ending without a clear bonus.
#include "scene/stage/BossStage.h"

class Stage5bossScene : public BossStage {
public:
    Stage5bossScene();
    void OnMessage(const std::string& name, std::vector<std::string>& args) override;

    // Set when the second conversation has been shown once.
    bool secondDialogueShown = false;
    // Where the first form fell: the second appears there.
    int fallenX = 0;
    int fallenY = 0;
    bool fallenFacingLeft = false;

protected:
    std::unique_ptr<BossBase> MakeBoss() override;
    void StartBossMusic() override;
};
