#include "player/PlayerMary.h"

#include "app/PlayerInfomation.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "player/Skarov.h"
#include "resource/CTexture.h"

#include <algorithm>

namespace {

constexpr int FrameSize = 64;

// How long each animation frame lasts and how many frames the running
// animation has, chosen afresh every update from the situation.
struct AnimationPace {
    int ticks;
    int frames;
};

AnimationPace PaceFor(const PlayerMary& p) {
    if (p.reloadState == 2) {
        return {4, 9};
    }
    if (p.jumpState == PlayerBase::Rising) {
        return {5, 2};
    }
    if (p.jumpState == PlayerBase::Falling) {
        return {5, 3};
    }
    if (p.animState == PlayerBase::Standing || p.animState == PlayerBase::Crouching) {
        return {10, 3};
    }
    return {5, 4};
}

struct SheetCell {
    int row;
    int column;
};

// The sheet's rows: one per pose, with reloading and shooting variants.
SheetCell CellFor(const PlayerMary& p) {
    const int f = p.animFrame;
    const bool reloading = p.reloadState == 2;
    if (p.crouching) {
        if (reloading) {
            return {6, f};
        }
        return p.shooting ? SheetCell{2, 4 + f} : SheetCell{2, f};
    }
    if (p.jumpState != PlayerBase::OnGround) {
        if (reloading) {
            return {8, f};
        }
        if (p.shooting) {
            return {3, 6 + f};
        }
        return p.jumpState == PlayerBase::Rising ? SheetCell{3, f} : SheetCell{3, 2 + f};
    }
    if (p.animState == PlayerBase::Walking) {
        if (reloading) {
            return {5, f};
        }
        return p.shooting ? SheetCell{1, 4 + f} : SheetCell{1, f};
    }
    if (reloading) {
        return {4, f};
    }
    return p.shooting ? SheetCell{0, 4 + f} : SheetCell{0, f};
}

} // namespace

PlayerMary::PlayerMary() : sheet(std::make_shared<CTexture>()) {
    sheet->Load("gfx/mary/mary.tga", false);
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->objects) {
        gun = app->objects->Add(new Skarov());
    }
    sheet->SetRect(0, 0, FrameSize, FrameSize);
    sheet->SetCentre(32, 32);
    hitLeft = -16;
    hitTop = -57;
    hitRight = 16;
    hitBottom = 0;
    walkSpeed = 4.0f;
}

PlayerMary::~PlayerMary() {
    sheet.reset();
}

void PlayerMary::Reset() {
    ResetAnimation();
    PlayerBase::Reset();
}

void PlayerMary::ResetAnimation() {
    animFrame = 0;
    animTick = 0;
}

void PlayerMary::Update() {
    Animate();
    AdvanceReload();
    PlayerBase::Update();
}

void PlayerMary::Animate() {
    const AnimationPace pace = PaceFor(*this);
    ++animTick;
    if (animTick > pace.ticks) {
        ++animFrame;
        animTick = 0;
        if (animFrame >= pace.frames) {
            animFrame = 0;
        }
    }
}

void PlayerMary::AdvanceReload() {
    if (reloadState != 2) {
        return;
    }
    ++reloadTimer;
    if (reloadTimer <= ReloadFrames) {
        return;
    }
    reloadState = 0;
    if (Skarov* skarov = Gun()) {
        skarov->reloading = false;
        skarov->rounds = Skarov::RoundsPerMagazine;
    }
    ResetAnimation();
}

void PlayerMary::Control() {
    PlayerBase::Control();
    shooting = (buttons & ButtonShot) != 0;
    if (shooting) {
        if (Skarov* skarov = Gun()) {
            skarov->Fire(x, y, crouching);
        }
    }
}

void PlayerMary::AddMagazine() {
    Skarov* skarov = Gun();
    if (!skarov) {
        return;
    }
    skarov->magazines = std::min(skarov->magazines + 1, Skarov::MaxMagazines);
    if (VrelsSkarovApp* app = VrelsSkarovApp::Instance(); app && app->playerRecord) {
        app->playerRecord->magazines = skarov->magazines;
    }
}

void PlayerMary::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !sheet) {
        return;
    }
    sheet->flipH = facing;
    sheet->flipV = false;
    sheet->scale = 1.0f;
    sheet->SetCentre(32, 32);
    if (lifeState != Alive) {
        sheet->SetRect(512, 64, 576, 128);
        graphics->DrawSprite(sheet.get(), x, y - 32.0f, alpha, missAngle, BlendAlpha);
        return;
    }
    const SheetCell cell = CellFor(*this);
    sheet->SetRect(cell.column * FrameSize, cell.row * FrameSize,
                   cell.column * FrameSize + FrameSize, cell.row * FrameSize + FrameSize);
    // With the centre (32, 32) the frame's bottom edge is at the feet.
    graphics->DrawSprite(sheet.get(), static_cast<float>(static_cast<int>(x)),
                         static_cast<float>(static_cast<int>(y) - 32), 1.0f, 0.0f, BlendAlpha);
}
