#pragma once
// A complete engine context without a window, a sound device or files: the
// application object with a recording graphics device, scripted input, an
// object manager, game state and player record. Tests derive from it.
#include "app/PlayerInfomation.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/OggStream.h"
#include "lib/RecordingBackend.h"
#include "lib/ScriptedInputBackend.h"
#include "lib/SoundManager.h"
#include "lib/myDxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<VrelsSkarovApp>("");
        app->gameState = std::make_shared<SystemInfo_t>();
        app->graphics = std::make_shared<myDxGraphics>("/nonexistent/vrels.ini");
        auto backend = std::make_unique<vrels::RecordingBackend>();
        recorder = backend.get();
        app->graphics->UseBackend(std::move(backend));
        app->soundManager = std::make_shared<SoundManager>();
        app->music = std::make_shared<IOggStream>();
        app->input = std::make_shared<myInput>("/nonexistent/vrels.ini", app->gameState.get());
        auto keys = std::make_unique<vrels::ScriptedInputBackend>();
        keyboard = keys.get();
        app->input->UseBackend(std::move(keys));
        app->objects = std::make_shared<ObjectManager>();
        app->playerRecord = std::make_shared<PlayerInfomation>();
    }

    void TearDown() override {
        if (app) {
            app->objects->Clear();
            app->scene.reset();
        }
        app.reset();
    }

    // Declares an image so that loading it succeeds without a file.
    void DeclareImage(const std::string& file, unsigned w, unsigned h) {
        recorder->DeclareImage(file, w, h);
    }

    // Holds exactly these keys (DirectInput numbers) and runs the input's frame update.
    void Hold(const std::set<int>& keys) {
        keyboard->SetHeld(keys);
        app->input->Update();
    }

    std::unique_ptr<VrelsSkarovApp> app;
    vrels::RecordingBackend* recorder = nullptr;
    vrels::ScriptedInputBackend* keyboard = nullptr;
};
