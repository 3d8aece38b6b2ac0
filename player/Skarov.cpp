#include "player/Skarov.h"

#include "app/Log.h"
#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/SoundBuffer.h"
#include "lib/SoundManager.h"
#include "object/ObjectManager.h"
#include "player/PlayerBase.h"
#include "player/SkarovBullet.h"
#include "player/SkarovBulletCase.h"
#include "resource/CTexture.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <set>
#include <string>

namespace {

constexpr float BulletSpeed = 6.0f;
constexpr float CrouchSlant = 0.2f;

std::unique_ptr<CTexture> LoadPanel(const char* file) {
    auto texture = std::make_unique<CTexture>();
    texture->Load(file, false);
    texture->SetCentre(0, 0);
    return texture;
}

// The gun's own voice; null when there is no sound device or the file cannot
// be loaded, so the gun stays silent and plays on. A file that failed once is
// not tried again: every stage build makes a new gun, and the failure has
// already been reported.
std::unique_ptr<PsSoundBuf> LoadVoice(const char* file) {
    static std::set<std::string> failed;
    const SoundManager* manager = SoundManager::Current();
    if (!manager || !manager->initialised || failed.count(file)) {
        return nullptr;
    }
    auto voice = std::make_unique<PsSoundBuf>();
    try {
        voice->Load(file, file);
    } catch (const std::exception& e) {
        Log("Skarov: %s: %s\n", file, e.what());
        failed.insert(file);
        return nullptr;
    }
    return voice;
}

void DrawAt(DxGraphics& graphics, CTexture* texture, float x, float y) {
    if (texture) {
        graphics.DrawSprite(texture, x, y, 1.0f, 0.0f, BlendAlpha);
    }
}

} // namespace

Skarov::Skarov()
    : panel(LoadPanel("gfx/frame/skarov_gauge.tga")),
      magazinePanel(LoadPanel("gfx/frame/magazine_gauge.tga")),
      roundPanel(LoadPanel("gfx/frame/bullet_gauge.tga")),
      roundMark(LoadPanel("gfx/frame/bullet.tga")), shotSound(LoadVoice("se/shot.wav")),
      emptySound(LoadVoice("se/nobullet.wav")) {
    priority = 0;
    level = 255;
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->playerRecord) {
        magazines = app->playerRecord->magazines;
    }
}

Skarov::~Skarov() = default;

float Skarov::NextSpread() {
    return -0.1f + spread.Next() * 0.2f;
}

void Skarov::Fire(float px, float py, bool crouching) {
    // sinceShot counts frames since the last served pull, empty clicks
    // included, so tapping faster does not raise the rate.
    if (reloading || sinceShot < FramesPerShot) {
        return;
    }
    sinceShot = 0;
    if (rounds == 0) {
        if (magazines > 0) {
            StartReload();
        }
        if (emptySound) {
            emptySound->Play(px);
        }
        return;
    }
    if (shotSound) {
        shotSound->Play(px);
    }
    float angle = NextSpread();
    if (crouching) {
        angle += CrouchSlant;
    }
    float vx = BulletSpeed * std::cos(angle);
    const float vy = BulletSpeed * std::sin(angle);
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    const bool faceLeft = app && app->player && app->player->facing;
    float muzzleX = px + 32.0f;
    if (faceLeft) {
        vx = -vx;
        muzzleX = px - 32.0f;
    }
    const float muzzleY = crouching ? py - 32.0f : py - 39.0f;
    if (app && app->objects) {
        app->objects->Add(new SkarovBullet(muzzleX, muzzleY, vx, vy, faceLeft));
        // Cases fly backwards from the muzzle.
        app->objects->Add(new SkarovBulletCase(muzzleX, muzzleY, !faceLeft));
    }
    --rounds;
}

void Skarov::StartReload() {
    --magazines;
    reloading = true;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (!app) {
        return;
    }
    if (app->playerRecord) {
        app->playerRecord->magazines = magazines;
    }
    if (app->player) {
        app->player->reloadState = 2;
        app->player->reloadTimer = 0;
    }
}

void Skarov::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics) {
        return;
    }
    DrawAt(*graphics, panel.get(), 8, 384);
    DrawAt(*graphics, magazinePanel.get(), 8, 444);
    if (CTexture* digits = FindTexture("number")) {
        char text[16];
        std::snprintf(text, sizeof(text), "%02d", magazines);
        digits->scale = 0.75f;
        digits->flipH = false;
        digits->SetCentre(0, 0);
        for (int i = 0; text[i] != '\0'; ++i) {
            const int code = static_cast<unsigned char>(text[i]);
            // Glyphs of 32 x 48 start with "0" (code 48) at x 0.
            digits->SetRect(code * 32 - 1536, 0, code * 32 - 1504, 48);
            graphics->DrawSprite(digits, static_cast<float>(6 + 13 * i), 440.0f, 1.0f, 0.0f,
                                 BlendAlpha);
        }
        digits->scale = 1.0f;
    }
    DrawAt(*graphics, roundPanel.get(), 40, 385);
    for (int i = 0; i < rounds; ++i) {
        DrawAt(*graphics, roundMark.get(), 42, static_cast<float>(470 - 4 * i));
    }
}
