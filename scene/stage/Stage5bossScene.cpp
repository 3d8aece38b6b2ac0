#include "scene/stage/Stage5bossScene.h"

#include "app/Log.h"
#include "app/VrelsSkarovApp.h"
#include "enemy/Marfes.h"
#include "enemy/Marfes2.h"
#include "lib/OggStream.h"
#include "scene/SceneFactory.h"

#include <boost/lexical_cast.hpp>

REGISTER_SCENE(Stage5bossScene)

Stage5bossScene::Stage5bossScene() : BossStage(StageRowFor("Stage5bossScene")) {
    LoadBossTexture("Marfes", "gfx/enemy/marfes.tga");
    LoadBossTexture("Marfes2", "gfx/enemy/marfes2.tga");
}

std::unique_ptr<BossBase> Stage5bossScene::MakeBoss() {
    return std::make_unique<Marfes>();
}

void Stage5bossScene::StartBossMusic() {
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    music.Open("bgm/boss.ogg", 1);
    music.Play();
}

void Stage5bossScene::OnMessage(const std::string& name, std::vector<std::string>& args) {
    if (name == "bosspos") {
        // The position is taken whole or not at all: half of it would put
        // the second form where the first never was.
        int x = 0;
        int y = 0;
        if (args.size() >= 3 && boost::conversion::try_lexical_convert(args[0], x) &&
            boost::conversion::try_lexical_convert(args[1], y)) {
            fallenX = x;
            fallenY = y;
            fallenFacingLeft = args[2] == "true";
        } else if (args.size() >= 2) {
            Log("bosspos: not a position: %s, %s\n", args[0].c_str(), args[1].c_str());
        }
        return;
    }
    if (name == "event" && !args.empty() && args[0] == "2") {
        const bool firstTime = !secondDialogueShown;
        secondDialogueShown = true;
        RunEvent(firstTime ? "Stage5bossScene/2" : "", "Boss2Start");
        return;
    }
    if (name == "Boss2Start") {
        // The music of the first form keeps playing.
        auto second = std::make_unique<Marfes2>();
        second->facing = fallenFacingLeft;
        AddBoss(std::move(second), static_cast<float>(fallenX), static_cast<float>(fallenY));
        return;
    }
    if (name == "event" && !args.empty() && args[0] == "3") {
        // The last form's fall is this stage's goal: as a mirror's touch
        // elsewhere, it stops the music and keeps the attempt as the stage's
        // replay, or in demo play returns to the title at once.
        std::vector<std::string> none;
        BossStage::OnMessage("KillBoss", none);
        if (!pendingScene.empty()) {
            return;
        }
        RunEvent("Stage5bossScene/3", "EndStart");
        return;
    }
    if (name == "EndStart") {
        std::vector<std::string> none;
        OnMessage("NextScene", none);
        return;
    }
    BossStage::OnMessage(name, args);
}
