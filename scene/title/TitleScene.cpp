#include "scene/title/TitleScene.h"

#include "app/Log.h"
#include "app/PlayerInfomation.h"
#include "app/Random.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/OggStream.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/select/StageNames.h"
#include "scene/title/Lorrowind.h"
#include "scene/title/Pimbrel.h"
#include "scene/title/TitleLogo.h"
#include "ui/SelectManager.h"
#include "ui/StringSprite.h"

#include <cstdint>
#include <ctime>

REGISTER_SCENE(TitleScene)

TitleScene::TitleScene() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    images->Load("TitleBase", "gfx/title_base.tga", false);
    images->Load("TitleLogo", "gfx/title_logo.tga", false);
    app->gameState->currentWorld = 1;
    app->gameState->demo = false;
    phase = "pimbrel";
    phaseObject = app->objects->Add(new Pimbrel());
    app->music->Halt();
    idleCount = 0;
}

void TitleScene::EnterStop() {
    phase = "Stop";
    phaseObject = VrelsSkarovApp::Instance()->objects->Add(new Stop());
}

std::string TitleScene::DemoStageName(int draw, const SystemInfo_t& state) {
    // Draws from 9 up pick the stages in name order from the second on;
    // the first ("STAGE 1 boss") takes every lower draw.
    const int r = draw % DemoDrawRange;
    const int entry = r >= 9 ? r - 8 : 0;
    auto it = state.stageNumbers.begin();
    for (int i = 0; i < entry && it != state.stageNumbers.end(); ++i) {
        ++it;
    }
    return it == state.stageNumbers.end() ? std::string() : it->first;
}

std::string TitleScene::StartDemo() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    // The flag first, so that the fresh record carries the demo's 99 lives.
    app->gameState->demo = true;
    app->playerRecord->NewGameReset(*app->gameState);
    vrels::srand(static_cast<std::uint32_t>(std::time(nullptr)));
    const std::string stage = DemoStageName(vrels::rand(), *app->gameState);
    const std::string scene = vrels::SceneForStageName(stage);
    if (scene.empty() || !IsSceneRegistered(scene)) {
        // A stage this build lacks: stay on the title and try again later.
        Log("The demo stage %s is not part of this build\n", scene.c_str());
        app->gameState->demo = false;
        idleCount = 0;
        return "";
    }
    return scene;
}

void TitleScene::Advance() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    ObjectManager& objects = *app->objects;
    if (phase == "pimbrel") {
        objects.Clear();
        phase = "lorrowind";
        phaseObject = objects.Add(new Lorrowind());
    } else if (phase == "lorrowind") {
        phase = "TitleLogo";
        phaseObject = objects.Add(new TitleLogo());
    } else if (phase == "TitleLogo") {
        EnterStop();
        app->music->Open(kMusicFile, 0);
        app->music->Play();
    } else if (phase == "Stop") {
        objects.Clear();
        phase = "select";
        auto manager = objects.Add(new TitleSelectManager());
        manager->AddItem("Arcade Mode", 0, 0);
        manager->AddItem("Stage Select", 0, 0);
        manager->AddItem("Music Mode", 0, 0);
        manager->AddItem("Options", 0, 0);
        manager->AddItem("Quit", 0, 0);
        manager->ResetSelection();
        menu = manager;
    }
}

std::string TitleScene::Update() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (auto current = phaseObject.lock()) {
        if (current->finished) {
            current->Remove();
            current.reset();
            Advance();
        }
    }
    if (phase == "Stop" && ++idleCount >= DemoIdleFrames) {
        const std::string demo = StartDemo();
        if (!demo.empty()) {
            return demo;
        }
    }
    if (auto manager = menu.lock()) {
        if (app->input->ConfirmPressed()) {
            const std::string choice = manager->GetSelected();
            if (choice == "Arcade Mode") {
                app->playerRecord->NewGameReset(*app->gameState);
                return "Trial1_1Scene";
            }
            if (choice == "Stage Select") {
                return "StageSelectScene";
            }
            if (choice == "Music Mode") {
                return "MusicModeScene";
            }
            if (choice == "Options") {
                return "OptionsScene";
            }
            if (choice == "Quit") {
                app->RequestClose();
            }
        }
        if (manager->FramesSinceMove() > 1800) {
            manager->Remove();
            menu.reset();
            EnterStop();
            idleCount = 0;
        }
    }
    app->objects->UpdateAll();
    return std::string();
}

void TitleScene::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (phase != "pimbrel" && phase != "lorrowind") {
        if (CTexture* base = images->Get("TitleBase")) {
            graphics->DrawSprite(base, 0, 0, 1.0f, 0.0f, BlendAlpha);
        }
    }
    if (phase == "Stop" || phase == "select") {
        if (CTexture* logo = FindTexture("TitleLogo")) {
            logo->scale = 1.0f;
            graphics->DrawSprite(logo, 300, 120, 1.0f, 0.0f, BlendAlpha);
        }
        StringSprite version(450, 200, "Ver.1.02 Trial");
        version.spacing = 0.9f;
        version.Draw();
    }
    VrelsSkarovApp::Instance()->objects->DrawAll();
}

void TitleScene::AppendTrace(std::string& json) const {
    json += ",\"title\":{\"phase\":\"" + phase + "\",\"idle\":" + std::to_string(idleCount);
    if (auto manager = menu.lock()) {
        json += ",\"selected\":" + std::to_string(manager->Selected());
    }
    json += "}";
}
