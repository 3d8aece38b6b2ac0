#pragma once
// The small objects a stage keeps in the object manager: the backdrop, the
// heads-up display, the stage-name intro, the continue prompt and "TIME UP".
#include "object/ViewObject.h"

#include <memory>
#include <string>

class CTexture;
class StageScene;

// Forwards update, draw and scrolling to its stage; first in the list, so the
// backdrop is furthest back and the stage hook runs first.
class BackGround : public ObjectBase {
public:
    explicit BackGround(StageScene* stage);
    void Shift(float dx, float dy) override;
    void Update() override;
    void Draw() override;

    StageScene* stage;
};

// The heads-up display: time, stage name, score and lives.
class States : public ObjectBase {
public:
    explicit States(StageScene* stage);
    ~States() override;
    void Update() override;
    void Draw() override;

    StageScene* stage;
    int scoreDivisor = 2;
    int displayedScore = 0;
    std::unique_ptr<CTexture> timeFrame;
    std::unique_ptr<CTexture> scoreFrame;
    std::unique_ptr<CTexture> stockGauge;
};

// The stage name sliding in over a black screen that then fades away.
class StartScene : public ObjectBase {
public:
    explicit StartScene(const std::string& stageName);
    void Update() override;
    void Draw() override;

    float blackAlpha = 1.0f;
    bool sliding = true;
    int counter = 0;
    int textX = -110;
    std::string stageName;
};

// "CONTINUE?" with a count-down; a confirm starts the game afresh.
class ContinueTask : public ObjectBase {
public:
    explicit ContinueTask(StageScene* stage);
    void Update() override;
    void Draw() override;

    StageScene* stage;
    bool armed = false;
    int count = 9;
    int frameCounter = 0;

    static constexpr int FramesPerCount = 120;
};

// "TIME UP", fading in.
class TimeUp : public ViewObject {
public:
    TimeUp();
    void Update() override;
    void Draw() override;

    float alpha = 0;
};

// Draws text in one of the bitmap fonts once, with the given look.
void DrawText(const char* fontName, float x, float y, const std::string& text, float scale,
              float spacing, float alpha);
// Draws digits from the "number" texture (32 x 48 glyphs) starting at (x, y).
void DrawDigits(const std::string& digits, float x, float y, float step, float scale);
