#include "ui/SelectManager.h"

#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/SoundManager.h"
#include "lib/myInput.h"
#include "resource/CTexture.h"

void MaidCursor::Update() {
    x = x + (targetX - x) * 0.2f;
    y = y + (targetY - y) * 0.2f;
}

void MaidCursor::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    CTexture* head = FindTexture("1up");
    if (!graphics || !head) {
        return;
    }
    head->scale = 0.3f;
    graphics->DrawSprite(head, x, y, 1.0f, 0.0f, BlendAlpha);
}

void MaidCursor::MoveTo(float nx, float ny) {
    x = nx;
    y = ny;
    targetX = nx;
    targetY = ny;
}

void SelectManager::AddItem(const std::string& text, float px, float py) {
    keys[static_cast<int>(items.size())] = text;
    items.push_back(std::make_unique<BlendStringCell>(text, px, py, 1.0f, 1.0f));
}

void SelectManager::ResetSelection() {
    selected = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const float a = i == 0 ? 1.0f : DimmedAlpha;
        items[i]->alpha = a;
        items[i]->targetAlpha = a;
    }
    if (!items.empty()) {
        cursor.MoveTo(items[0]->x - 16, items[0]->y + 5);
    }
}

std::string SelectManager::GetSelected() const {
    const auto it = keys.find(selected);
    return it == keys.end() ? std::string() : it->second;
}

void SelectManager::Move() {
    framesSinceMove = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->targetAlpha = static_cast<int>(i) == selected ? 1.0f : DimmedAlpha;
    }
    if (selected >= 0 && selected < static_cast<int>(items.size())) {
        const auto& item = items[static_cast<size_t>(selected)];
        cursor.targetX = static_cast<float>(static_cast<int>(item->x) - 16);
        cursor.targetY = static_cast<float>(static_cast<int>(item->y) + 5);
    }
    if (SoundManager* sound = SoundManager::Current()) {
        sound->PlayUnpanned("Select");
    }
}

void SelectManager::Update() {
    ++framesSinceMove;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    const int count = static_cast<int>(items.size());
    if (framesSinceMove > 15 && app && app->input && count > 0) {
        myInput& in = *app->input;
        if (in.KeyDown(dik::UP) || in.PadUp()) {
            selected = selected == 0 ? count - 1 : selected - 1;
            Move();
        } else if (in.KeyDown(dik::DOWN) || in.PadDown()) {
            selected = selected == count - 1 ? 0 : selected + 1;
            Move();
        }
    }
    for (auto& item : items) {
        item->Update();
    }
    cursor.Update();
}

void SelectManager::Draw() {
    for (auto& item : items) {
        item->Draw();
    }
    cursor.Draw();
}

TitleSelectManager::TitleSelectManager() : menuImage(std::make_unique<CTexture>()) {
    menuImage->Load("gfx/title_menu.tga", false);
}

void TitleSelectManager::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics) {
        return;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const int top = 32 * static_cast<int>(i);
        if (static_cast<int>(i) == selected) {
            menuImage->SetRect(192, top, 384, top + 32);
        } else {
            menuImage->SetRect(0, top, 192, top + 32);
        }
        graphics->DrawSprite(menuImage.get(), 400, static_cast<float>(260 + top), 1.0f, 0.0f,
                             BlendAlpha);
    }
}
