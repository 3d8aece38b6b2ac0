#include "scene/stage/StageObjects.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"
#include "scene/stage/StageScene.h"
#include "ui/StringSprite.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::unique_ptr<CTexture> LoadFrame(const char* file) {
    auto texture = std::make_unique<CTexture>();
    texture->Load(file, false);
    texture->SetCentre(0, 0);
    return texture;
}

void DrawPart(CTexture* texture, int l, int t, int r, int b, float x, float y) {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !texture) {
        return;
    }
    texture->SetRect(l, t, r, b);
    graphics->DrawSprite(texture, x, y, 1.0f, 0.0f, BlendAlpha);
}

void DrawWhole(CTexture* texture, float x, float y) {
    if (!texture || !texture->impl) {
        return;
    }
    DrawPart(texture, 0, 0, static_cast<int>(texture->impl->info.width),
             static_cast<int>(texture->impl->info.height), x, y);
}

void DrawBlack(float alpha) {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* black = FindTexture("Black");
    if (!graphics || !black) {
        return;
    }
    black->SetRect(0, 0, 640, 480);
    black->SetCentre(0, 0);
    black->scale = 1.0f;
    graphics->DrawSprite(black, 0, 0, alpha, 0.0f, BlendAlpha);
}

std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

} // namespace

void DrawText(const char* fontName, float x, float y, const std::string& text, float scale,
              float spacing, float alpha) {
    StringSpriteBase sprite(x, y, text, fontName);
    sprite.scale = scale;
    sprite.spacing = spacing;
    sprite.alpha = alpha;
    sprite.Draw();
}

void DrawDigits(const std::string& digits, float x, float y, float step, float scale) {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* number = FindTexture("number");
    if (!graphics || !number) {
        return;
    }
    number->scale = scale;
    number->SetCentre(0, 0);
    number->flipH = false;
    for (size_t i = 0; i < digits.size(); ++i) {
        const int k = static_cast<unsigned char>(digits[i]);
        if (k < '0' || k > '9') {
            continue; // the sheet holds digits only
        }
        number->SetRect((k - 48) * 32, 0, (k - 48) * 32 + 32, 48);
        graphics->DrawSprite(number, x + step * static_cast<float>(i), y, 1.0f, 0.0f, BlendAlpha);
    }
    number->scale = 1.0f;
}

// ---- BackGround ----

BackGround::BackGround(StageScene* owner) : stage(owner) {
    priority = 3000;
    level = 200;
}

void BackGround::Shift(float dx, float dy) {
    stage->AddScroll(dx, dy);
}
void BackGround::Update() {
    stage->StageTick();
}
void BackGround::Draw() {
    stage->DrawBackground();
}

// ---- States ----

States::States(StageScene* owner)
    : stage(owner), timeFrame(LoadFrame("gfx/frame/time.tga")),
      scoreFrame(LoadFrame("gfx/frame/score.tga")),
      stockGauge(LoadFrame("gfx/frame/stock_gauge.tga")) {
    priority = 0;
    level = 255;
}

States::~States() = default;

void States::Update() {
    const int score = VrelsSkarovApp::Instance()->playerRecord->score;
    // The shown score runs after the real one, faster the further behind it is.
    displayedScore += (score - displayedScore) / scoreDivisor + 1;
    displayedScore = std::min(displayedScore, score);
}

void States::Draw() {
    const PlayerInfomation& record = *VrelsSkarovApp::Instance()->playerRecord;
    DrawPart(timeFrame.get(), 0, 0, 46, 16, 15, 14);
    DrawPart(timeFrame.get(), 46, 0, 64, 16, 107, 10);
    DrawDigits(Format("%03d", stage->timeLeft / 1000), 55, 3, 16, 1.0f);
    DrawDigits(Format("%02d", (stage->timeLeft % 1000) / 10), 115, 3, 13, 0.75f);
    DrawText("GreenFont", 255, 7, stage->DisplayName(), 1.0f, 1.0f, 1.0f);
    DrawWhole(scoreFrame.get(), 440, 16);
    DrawDigits(Format("%d", displayedScore), 505, 4, 13, 0.75f);
    DrawWhole(stockGauge.get(), 80, 443);
    // Under the continue prompt the count is -1; the digit sheet has no minus
    // sign, so show the stock as empty rather than as a lone "1".
    DrawDigits(Format("%02d", std::max(record.lives, 0)), 93, 443, 13, 0.75f);
}

// ---- StartScene ----

StartScene::StartScene(const std::string& name) : stageName(name) {
    priority = 0;
    level = 100;
}

void StartScene::Update() {
    if (sliding) {
        if (textX >= 370) {
            sliding = false;
        } else {
            textX = std::min(textX + 14, 382);
        }
        return;
    }
    if (blackAlpha > 0) {
        blackAlpha = std::max(blackAlpha - 0.01f, 0.0f);
        return;
    }
    if (++counter > 99) {
        Remove();
    }
}

void StartScene::Draw() {
    DrawBlack(blackAlpha);
    DrawText("NormalFont", static_cast<float>(textX), 356, stageName, 1.4f, 1.0f, 1.0f);
}

// ---- ContinueTask ----

ContinueTask::ContinueTask(StageScene* owner) : stage(owner) {
    priority = -200;
    level = 110;
}

void ContinueTask::Update() {
    VrelsSkarovApp& app = *VrelsSkarovApp::Instance();
    myInput& input = *app.input;
    const bool direction = input.KeyDown(dik::UP) || input.PadUp() || input.KeyDown(dik::DOWN) ||
                           input.PadDown() || input.KeyDown(dik::LEFT) || input.PadLeft() ||
                           input.KeyDown(dik::RIGHT) || input.PadRight();
    if (!direction) {
        armed = true;
    }
    // Each press of a direction counts down at once; otherwise once every 120 frames.
    if (armed && direction) {
        armed = false;
        --count;
        frameCounter = 0;
    } else if (++frameCounter >= FramesPerCount) {
        --count;
        frameCounter = 0;
    }
    if (count <= 0) {
        app.SendMessage("Gameover");
        Remove();
        return;
    }
    if (input.ConfirmPressed()) {
        app.playerRecord->NewGameReset(*app.gameState);
        app.SendMessage("reset_midpoint");
        app.SendMessage("restart");
        Remove();
    }
}

void ContinueTask::Draw() {
    DrawBlack(0.5f);
    DrawText("NormalFont", 220, 200, "CONTINUE?", 1.0f, 1.5f, 1.0f);
    if (count >= 0) {
        DrawText("OrangeFont", 280, 230, Format("%d", count), 2.0f, 1.5f, 1.0f);
    }
}

// ---- TimeUp ----

TimeUp::TimeUp() {
    priority = -200;
    level = 255;
    width = 16;
    height = 16;
}

void TimeUp::Update() {
    alpha = std::min(alpha + 0.03f, 1.0f);
}

void TimeUp::Draw() {
    DrawText("OrangeFont", 270, 230, "TIME UP", 1.0f, 1.0f, alpha);
}
