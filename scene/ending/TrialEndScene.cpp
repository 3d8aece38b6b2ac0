#include "scene/ending/TrialEndScene.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/gameover/RunEnd.h"

REGISTER_SCENE(TrialEndScene)

TrialEndScene::TrialEndScene() : picture_(std::make_unique<CTexture>()) {
    picture_->Load("gfx/end/sale.tga", false);
    // The trial course is cleared: the run ends here.
    vrels::EndRun();
}

TrialEndScene::~TrialEndScene() = default;

std::string TrialEndScene::Update() {
    ++frameCount;
    if (frameCount >= ShowFrames || VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        return vrels::SceneAfterRun();
    }
    return "";
}

void TrialEndScene::Draw() {
    if (DxGraphics* graphics = DxGraphics::Current()) {
        picture_->SetCentre(0, 0);
        picture_->scale = 1.0f;
        graphics->DrawSprite(picture_.get(), 0, 0, 1.0f, 0.0f, BlendAlpha);
    }
}

void TrialEndScene::AppendTrace(std::string& json) const {
    json += ",\"trialEnd\":{\"frames\":" + std::to_string(frameCount) + "}";
}
