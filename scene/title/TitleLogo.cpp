#include "scene/title/TitleLogo.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"
#include "ui/StringSprite.h"

void TitleLogo::Update() {
    if (alpha < 1.0f) {
        alpha += 0.02f;
        if (alpha > 1.0f) {
            alpha = 1.0f;
        }
    } else if (++framesAtFull > 15) {
        finished = true;
    }
    if (VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        finished = true;
    }
}

void TitleLogo::Draw() {
    if (CTexture* logo = FindTexture("TitleLogo")) {
        DxGraphics::Current()->DrawSprite(logo, 300, 120, alpha, 0.0f, BlendAlpha);
    }
}

Stop::Stop() {
    ObjectManager& objects = *VrelsSkarovApp::Instance()->objects;
    objects.Clear();
    objects.Add(new BlinkString("PRESS START BUTTON"));
}

void Stop::Update() {
    if (VrelsSkarovApp::Instance()->input->ConfirmPressed()) {
        finished = true;
    }
}
