#pragma once
// Vertical text menus with a gliding maid-head cursor.
#include "object/ObjectBase.h"
#include "object/ViewObject.h"
#include "ui/StringSprite.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CTexture;

class MaidCursor : public ViewObject {
public:
    void Update() override;
    void Draw() override;
    // Sets position and target together.
    void MoveTo(float nx, float ny) override;

    float targetX = 0;
    float targetY = 0;
};

class SelectManager : public ObjectBase {
public:
    // The chosen line is drawn at full strength, the others dimmed to this:
    // still 4.5:1 over the menus' calm backdrops, so every choice can be read
    // before it is chosen, while the chosen one stands out with the cursor.
    static constexpr float DimmedAlpha = 0.6f;

    SelectManager() = default;
    void Shift(float, float) override {}
    void Update() override;
    void Draw() override;

    void AddItem(const std::string& text, float x, float y);
    void ResetSelection();
    std::string GetSelected() const;
    int Selected() const { return selected; }
    int FramesSinceMove() const { return framesSinceMove; }

    int selected = 0;
    int framesSinceMove = 0;
    std::map<int, std::string> keys;
    std::vector<std::unique_ptr<BlendStringCell>> items;
    MaidCursor cursor;

protected:
    void Move();
};

class TitleSelectManager : public SelectManager {
public:
    TitleSelectManager();
    void Draw() override;

    std::unique_ptr<CTexture> menuImage;
};
