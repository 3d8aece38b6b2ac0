#include "scene/ending/EndScene.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/OggStream.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/gameover/RunEnd.h"

#include <algorithm>
#include <cstdio>

REGISTER_SCENE(EndScene)

EndScene::EndScene() {
    images->Load("Bg", "gfx/bg/bg5.tga", false);
    images->Load("Credit", "gfx/end/credit.tga", false);
    images->Load("Senga", "gfx/end/senga.tga", false);
    // The full course is cleared: the run ends here.
    vrels::EndRun();
    IOggStream& music = *VrelsSkarovApp::Instance()->music;
    music.Open("bgm/ed.ogg", 0);
    music.Play();
}

std::string EndScene::Update() {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!fadedIn) {
        backdropAlpha = std::min(backdropAlpha + 0.005f, 1.0f);
        if (backdropAlpha >= 1.0f) {
            fadedIn = true;
        }
    } else if (backdropX < -540) {
        backdropAlpha = std::max(backdropAlpha - 0.002f, 0.0f);
    }

    if (leaving) {
        backdropAlpha = std::max(backdropAlpha - 0.01f, 0.0f);
        rollAlpha = std::max(rollAlpha - 0.01f, 0.0f);
        if (rollAlpha <= 0) {
            return vrels::SceneAfterRun();
        }
    } else {
        creditY = std::max(creditY - 0.5f, -1920.0f);
        pictureY = std::min(pictureY + 0.5f, 480.0f);
        backdropX = std::max(backdropX - 0.125f, -640.0f);
    }

    ++frameCount;
    // Polled every frame so that only a fresh press after the wait counts,
    // not a key held through it.
    const bool pressed = app->input->ConfirmPressed();
    if (frameCount > IgnorePressFrames && !leaving && pressed) {
        leaving = true;
        app->music->Halt();
    }
    app->objects->UpdateAll();
    return "";
}

void EndScene::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics) {
        return;
    }
    auto draw = [&](const char* name, float x, float y, float alpha, int blend) {
        if (CTexture* texture = images->Get(name)) {
            texture->SetCentre(0, 0);
            texture->scale = 1.0f;
            graphics->DrawSprite(texture, x, y, alpha, 0.0f, blend);
        }
    };
    draw("Bg", backdropX, -160, backdropAlpha, BlendAlpha);
    draw("Senga", 0, pictureY, rollAlpha, BlendAdd);
    draw("Credit", 0, creditY, rollAlpha, BlendAlpha);
    VrelsSkarovApp::Instance()->objects->DrawAll();
}

void EndScene::AppendTrace(std::string& json) const {
    char text[160];
    std::snprintf(text, sizeof(text),
                  ",\"ending\":{\"frames\":%d,\"leaving\":%s,\"creditY\":%.9g,\"rollAlpha\":%.9g}",
                  frameCount, leaving ? "true" : "false", static_cast<double>(creditY),
                  static_cast<double>(rollAlpha));
    json += text;
}
