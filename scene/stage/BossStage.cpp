#include "scene/stage/BossStage.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "enemy/BossBase.h"
#include "event/AdvObject.h"
#include "event/DialogueScripts.h"
#include "lib/OggStream.h"
#include "object/ObjectManager.h"
#include "world/ViewMap.h"
#include "world/items/Magazine.h"

BossStage::BossStage(const StageRow& stageRow) : TableStage(stageRow) {}

void BossStage::LoadBossTexture(const std::string& name, const std::string& file) {
    images->Load(name, file, false);
}

void BossStage::SetupStage() {
    VrelsSkarovApp::Instance()->music->Halt();
    eventStarted = false;
    dropCounter = 0;
    LoadStageMap();
}

void BossStage::StageTick() {
    if (++dropCounter < DropInterval) {
        return;
    }
    dropCounter = 0;
    VrelsSkarovApp& app = *VrelsSkarovApp::Instance();
    if (!app.playerRecord || app.playerRecord->magazines != 0) {
        return;
    }
    const float r1 = dropRandom.Next();
    const float r2 = dropRandom.Next();
    auto* magazine = new MagazineTimeout();
    magazine->SetPosition(160.0f + 320.0f * r2, 120.0f + 240.0f * r1);
    app.objects->Add(magazine);
}

void BossStage::StartBossMusic() {
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    music.OpenIntro("bgm/Wrong Heart_a.ogg", "bgm/Wrong Heart_b.ogg");
    music.Play();
}

void BossStage::AddBoss(std::unique_ptr<BossBase> made, float x, float y) {
    made->SetPosition(x, y);
    boss = VrelsSkarovApp::Instance()->objects->Add(made.release());
}

void BossStage::RunEvent(const std::string& dialogue, const std::string& then) {
    auto conversation = std::make_unique<AdvObject>();
    if (!dialogue.empty()) {
        conversation->AddSteps(FindDialogue(dialogue));
    }
    conversation->AddSend(then);
    event = VrelsSkarovApp::Instance()->objects->Add(conversation.release());
}

void BossStage::OnMessage(const std::string& name, std::vector<std::string>& args) {
    if (name == "event") {
        if (!args.empty() && args[0] == "1" && !eventStarted) {
            eventStarted = true;
            // The conversation plays once; after a miss the fight starts at once.
            const bool firstTime = !dialogueShown;
            dialogueShown = true;
            RunEvent(firstTime ? row.className : "", "BossStart");
        }
        return;
    }
    if (name == "BossStart") {
        if (map) {
            const Point2f at = map->TileToScreen(bossColumn, bossRow);
            AddBoss(MakeBoss(), at.x, at.y);
        }
        StartBossMusic();
        return;
    }
    StageScene::OnMessage(name, args);
}

void BossStage::AppendTrace(std::string& json) const {
    StageScene::AppendTrace(json);
    if (auto current = boss.lock(); current && !current->removed) {
        json += std::string(",\"boss\":{\"kind\":\"") + current->Kind() +
                "\",\"hp\":" + std::to_string(current->hitPoints) +
                ",\"state\":" + std::to_string(current->attackState) + "}";
    }
    if (auto running = event.lock(); running && !running->removed) {
        json += ",\"event\":{\"running\":true,\"commands\":" +
                std::to_string(running->commands.size()) + "}";
    }
}
