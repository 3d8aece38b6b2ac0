#include "scene/select/StageSelectScene.h"

#include "app/Log.h"
#include "app/PlayerInfomation.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "scene/SceneFactory.h"
#include "scene/select/MenuBackdrop.h"
#include "scene/select/StageNames.h"
#include "ui/SelectManager.h"
#include "ui/StringSprite.h"

REGISTER_SCENE(StageSelectScene)

namespace {

struct StageLine {
    const char* name;
    float y;
};

// Every stage after the first, in the order they are reached, each on its own line.
const StageLine kLaterStages[] = {
    {"STAGE 1-2", 90},     {"STAGE 1-3", 105},    {"STAGE 1-4", 120}, {"STAGE 1 boss", 135},
    {"STAGE 2-1", 150},    {"STAGE 2-2", 165},    {"STAGE 2-3", 180}, {"STAGE 2-4", 195},
    {"STAGE 2 boss", 210}, {"STAGE 3-1", 225},    {"STAGE 3-2", 240}, {"STAGE 3-3", 255},
    {"STAGE 3-4", 270},    {"STAGE 3 boss", 285}, {"STAGE 4-1", 300}, {"STAGE 4-2", 315},
    {"STAGE 4-3", 330},    {"STAGE 5-1", 345},    {"STAGE 5-2", 360}, {"STAGE 5-3", 375},
    {"STAGE 5-4", 390},    {"STAGE 5 boss", 405},
};

} // namespace

StageSelectScene::StageSelectScene()
    : menu_(std::make_unique<SelectManager>()), backdrop_(std::make_unique<MenuBackdrop>()) {
    const SystemInfo_t& state = *VrelsSkarovApp::Instance()->gameState;
    menu_->AddItem("STAGE 1-1", 100, 75);
    for (const StageLine& line : kLaterStages) {
        const auto number = state.stageNumbers.find(line.name);
        if (number != state.stageNumbers.end() && number->second <= state.lastStage) {
            menu_->AddItem(line.name, 100, line.y);
        }
    }
    menu_->AddItem("EXIT", 100, 435);
    menu_->ResetSelection();
}

StageSelectScene::~StageSelectScene() = default;

std::string StageSelectScene::Update() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app->input->ConfirmPressed()) {
        app->playerRecord->NewGameReset(*app->gameState);
        const std::string choice = menu_->GetSelected();
        if (choice == "EXIT") {
            return "TitleScene";
        }
        const std::string scene = vrels::SceneForStageName(choice);
        if (!scene.empty()) {
            if (IsSceneRegistered(scene)) {
                app->gameState->currentWorld = vrels::WorldOfStageName(choice);
                return scene;
            }
            // A stage this build lacks: say so and stay on the list.
            Log("%s is not part of this build\n", scene.c_str());
        }
        return "";
    }
    app->objects->UpdateAll();
    menu_->Update();
    return "";
}

void StageSelectScene::Draw() {
    backdrop_->Draw(0.0f, 0.5f);
    StringSpriteOrange heading(100, 30, "Stage Select");
    heading.scale = 1.0f;
    heading.spacing = 1.0f;
    heading.Draw();
    VrelsSkarovApp::Instance()->objects->DrawAll();
    menu_->Draw();
}

void StageSelectScene::AppendTrace(std::string& json) const {
    json += ",\"stageSelect\":{\"selected\":" + std::to_string(menu_->Selected()) + ",\"items\":[";
    for (size_t i = 0; i < menu_->items.size(); ++i) {
        json += (i ? ",\"" : "\"") + menu_->items[i]->text + "\"";
    }
    json += "]}";
}
