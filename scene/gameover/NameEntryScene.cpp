#include "scene/gameover/NameEntryScene.h"

#include "app/Paths.h"
#include "app/PlayerInfomation.h"
#include "app/Ranking.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/SoundManager.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"
#include "scene/SceneFactory.h"
#include "scene/select/MenuBackdrop.h"
#include "ui/StringSprite.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

REGISTER_SCENE(NameEntryScene)

namespace {

constexpr float Pi = 3.14159265f;
constexpr float TwoPi = 2 * Pi;
constexpr float Step = Pi / 20; // one character of the carousel
constexpr float FullSize = 10.0f;

// The back carousel's wobble phase runs on across entries.
float g_wobblePhase = 0;

float Wrap(float angle) {
    angle = std::fmod(angle, TwoPi);
    return angle < 0 ? angle + TwoPi : angle;
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
        }
    }
    return out + "\"";
}

void DrawText(const char* font, float x, float y, const std::string& text, float scale) {
    StringSpriteBase sprite(x, y, text, font);
    sprite.scale = scale;
    sprite.Draw();
}

} // namespace

NameEntryScene::NameEntryScene() : backdrop_(std::make_unique<MenuBackdrop>()) {
    images->Load("RankingDigits", "gfx/entory_number.tga.tga", false);
    images->Load("RankingHeading", "gfx/ranking.tga", false);
}

NameEntryScene::~NameEntryScene() = default;

std::string NameEntryScene::TimeText(int milliseconds) {
    const int t = std::max(milliseconds, 0);
    char text[32];
    std::snprintf(text, sizeof(text), "%d:%02d", t / 1000, (t / 10) % 100);
    return text;
}

std::string NameEntryScene::CommittedName() const {
    std::string committedName = name;
    for (char& c : committedName) {
        if (c == '_' || c == '@') {
            c = ' ';
        }
    }
    return committedName;
}

void NameEntryScene::Finish() {
    finished = true;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    RankingEntry_t entry;
    entry.score = app->playerRecord->rankedScore;
    entry.name = CommittedName();
    entry.difficulty = static_cast<std::uint8_t>(std::min<int>(app->gameState->gameLevel, 3));
    vrels::InsertRanking(app->gameState->ranking, entry);
    vrels::SaveRanking(*app->gameState, vrels::RankingPath());
}

void NameEntryScene::StepInput() {
    myInput& input = *VrelsSkarovApp::Instance()->input;
    if (input.ConfirmPressed()) {
        const char chosen = CurrentChars()[selected];
        if (chosen == '@') {
            Finish();
            return;
        }
        if (chosen == '<') {
            // Back onto the last letter entered, which stays until overwritten.
            if (cursor > 0) {
                if (cursor < 3) {
                    name[static_cast<size_t>(cursor)] = '_';
                }
                --cursor;
            }
        } else if (cursor < 3) {
            name[static_cast<size_t>(cursor)] = chosen;
            if (++cursor == 3) {
                selected = EndIndex;
            }
        }
    }

    // Changing sets shrinks the carousel away, swaps the letters, grows it back.
    if (changingSet) {
        carouselSize -= 0.12f;
        if (carouselSize <= 0) {
            carouselSize = 0;
            changingSet = false;
            currentSet = 1 - currentSet;
        }
    } else {
        carouselSize = std::min(carouselSize + 0.12f, 1.0f);
    }

    moveTimer += 0.01666f;
    if (moveTimer <= 0.1f) {
        return;
    }
    bool moved = true;
    if (input.KeyDown(dik::RIGHT) || input.PadRight()) {
        if (cursor == 3) {
            selected = selected == EndIndex ? EraseIndex : EndIndex;
        } else {
            selected = (selected + 1) % SetSize;
        }
    } else if (input.KeyDown(dik::LEFT) || input.PadLeft()) {
        if (cursor == 3) {
            selected = selected == EndIndex ? EraseIndex : EndIndex;
        } else {
            selected = (selected + SetSize - 1) % SetSize;
        }
    } else if (input.KeyDown(dik::UP) || input.PadUp() || input.KeyDown(dik::DOWN) ||
               input.PadDown()) {
        changingSet = true;
    } else {
        moved = false;
    }
    if (moved) {
        moveTimer = 0;
        if (SoundManager* sound = SoundManager::Current()) {
            sound->PlayUnpanned("Select");
        }
    }
}

void NameEntryScene::StepAnimation() {
    // Turn the shortest way towards the selected character, easing in.
    const float d =
        std::fmod(static_cast<float>(selected) * Step - carouselAngle + 3 * Pi, TwoPi) - Pi;
    carouselAngle = Wrap(carouselAngle + 0.083f * d);
    backAngle = Wrap(backAngle - 0.03332f);
    g_wobblePhase -= 0.025f;
    if (g_wobblePhase < 0) {
        g_wobblePhase += TwoPi;
    }
}

std::string NameEntryScene::Update() {
    const bool wasFinished = finished;
    backdropAngle = Wrap(backdropAngle + 0.002f);
    if (finished) {
        nameRowY = std::min(nameRowY + 2.5f, 240.0f);
    } else {
        StepInput();
    }
    if (carouselSize < FullSize) {
        StepAnimation();
    }

    timeLeft = std::max(timeLeft - 17, 0);
    if (!finished && timeLeft <= 0) {
        Finish();
    }
    if (!finished) {
        return "";
    }
    // The carousel zooms out of sight, then the ranking stays until a press.
    if (carouselSize < FullSize) {
        carouselSize += 0.15f;
    }
    ++framesAfterFinish;
    if (framesAfterFinish > RankingFrames ||
        (wasFinished && VrelsSkarovApp::Instance()->input->ConfirmPressed())) {
        return "TitleScene";
    }
    return "";
}

void NameEntryScene::DrawCarousel(const char* chars, float angle, float wobble, bool front) const {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* font = FindTexture("NormalFont");
    if (!graphics || !font) {
        return;
    }
    for (int k = 0; k < SetSize; ++k) {
        float theta = angle - static_cast<float>(k) * Step;
        if (theta <= 0) {
            theta += TwoPi;
        }
        // Bright at the front of the ring, faint at the back.
        float alpha = ((std::cos(theta) + 1) / 2) * 0.9f + 0.1f;
        float scale = 2.0f;
        if (front) {
            if (k == selected) {
                scale = 2.5f;
            }
            if (cursor == 3 && k < EraseIndex) {
                alpha *= 0.5f;
            }
        } else {
            alpha *= 0.6f;
        }
        const unsigned char ch = static_cast<unsigned char>(chars[k]);
        const int col = ch % 16;
        const int row = ch / 16;
        const TexRect cell{32 * col, 32 * row, 32 * col + 32, 32 * row + 32};
        graphics->DrawSprite3D(320, 300, 0, 0, -100, alpha, scale * carouselSize, wobble, theta, 0,
                               font, cell);
    }
}

void NameEntryScene::DrawRanking() const {
    DxGraphics* graphics = DxGraphics::Current();
    if (CTexture* heading = images->Get("RankingHeading")) {
        // Placed by its top-left corner, like every texture of a store.
        heading->SetRect(0, 0, 183, 28);
        heading->SetCentre(0.0f, 0.0f);
        heading->scale = 1.0f;
        graphics->DrawSprite(heading, 320, 74, 1.0f, 0.0f, BlendAlpha);
    }
    static const char* const ordinals[] = {" 1st", " 2nd", " 3rd", " 4th", " 5th",
                                           " 6th", " 7th", " 8th", " 9th", "10th"};
    CTexture* digits = images->Get("RankingDigits");
    const auto& ranking = VrelsSkarovApp::Instance()->gameState->ranking;
    const size_t rows = std::min<size_t>(ranking.size(), vrels::RankingSize);
    for (size_t i = 0; i < rows; ++i) {
        const RankingEntry_t& entry = ranking[i];
        const float y0 = 120.0f + 30.0f * static_cast<float>(i);
        DrawText("NormalFont", 140, y0, ordinals[i], 0.8f);
        char score[32];
        std::snprintf(score, sizeof(score), "%9d", entry.score);
        for (int p = 0; p < 9 && digits && score[p] != '\0'; ++p) {
            const int c = score[p];
            if (c < '0' || c > '9') {
                continue;
            }
            digits->SetRect(13 * (c - 48), 0, 13 * (c - 48) + 13, 16);
            digits->SetCentre(0, 0);
            digits->scale = 1.0f;
            graphics->DrawSprite(digits, 287.0f + 13.0f * static_cast<float>(p), y0 + 8, 1.0f, 0.0f,
                                 BlendAlpha);
        }
        DrawText("NormalFont", 210, y0, entry.name, 0.8f);
        DrawText("NormalFont", 420, y0, vrels::DifficultyName(entry.difficulty), 0.8f);
    }
}

void NameEntryScene::Draw() {
    const float dx = 5 * std::sin(backdropAngle + 2);
    const float dy = 5 * std::sin(backdropAngle);
    backdrop_->Draw(dx, dy);

    for (int i = 0; i < 3; ++i) {
        DrawText(i == cursor ? "OrangeFont" : "NormalFont", 240.0f + 80.0f * static_cast<float>(i),
                 nameRowY, std::string(1, name[static_cast<size_t>(i)]), 2.5f);
    }
    if (carouselSize < FullSize) {
        DrawCarousel(CurrentChars(), carouselAngle, 0, true);
        DrawCarousel(currentSet == 0 ? LowerSet : UpperSet, backAngle,
                     0.5f * std::sin(g_wobblePhase), false);
        DrawText("NormalFont", 30, 30, TimeText(timeLeft), 0.8f);
    }
    if (finished && carouselSize >= FullSize) {
        DrawRanking();
    }
}

void NameEntryScene::AppendTrace(std::string& json) const {
    json += ",\"nameEntry\":{\"name\":" + JsonText(name) + ",\"cursor\":" + std::to_string(cursor) +
            ",\"selected\":" + std::to_string(selected) + ",\"set\":" + std::to_string(currentSet) +
            ",\"finished\":" + (finished ? "true" : "false") +
            ",\"timeLeft\":" + std::to_string(timeLeft) + ",\"ranking\":[";
    const auto& ranking = VrelsSkarovApp::Instance()->gameState->ranking;
    for (size_t i = 0; i < ranking.size(); ++i) {
        json += (i ? ",{" : "{");
        json += "\"score\":" + std::to_string(ranking[i].score) +
                ",\"name\":" + JsonText(ranking[i].name) +
                ",\"difficulty\":" + std::to_string(ranking[i].difficulty) + "}";
    }
    json += "]}";
}
