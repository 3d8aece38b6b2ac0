#include "scene/gameover/GameoverScene.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/OggStream.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/gameover/RunEnd.h"

#include <algorithm>

REGISTER_SCENE(GameoverScene)

GameoverScene::GameoverScene() {
    images->Load("gameover", "gfx/logo/gameover.tga", false);
    VrelsSkarovApp::Instance()->music->Halt();
    // The last life is gone and the continue ran out: the run ends here.
    vrels::EndRun();
}

std::string GameoverScene::Update() {
    if (!leaving) {
        ++frameCount;
        alpha = std::min(alpha + 0.01f, 1.0f);
        if (frameCount > WaitFrames || VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
            leaving = true;
        }
        return "";
    }
    alpha -= 0.01f;
    if (alpha < 0) {
        return vrels::SceneAfterRun();
    }
    return "";
}

void GameoverScene::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* picture = FindTexture("gameover");
    if (!graphics || !picture) {
        return;
    }
    picture->SetCentre(static_cast<float>(picture->Width()) / 2,
                       static_cast<float>(picture->Height()) / 2);
    picture->scale = 1.0f;
    graphics->DrawSprite(picture, 320, 240, std::max(alpha, 0.0f), 0.0f, BlendAlpha);
}

void GameoverScene::AppendTrace(std::string& json) const {
    json += ",\"gameover\":{\"frames\":" + std::to_string(frameCount) +
            ",\"leaving\":" + (leaving ? "true" : "false") + "}";
}
