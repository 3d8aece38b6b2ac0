#pragma once
// The first maker logo: five pieces of the wordmark shrink into place on a
// white screen, then a ring bursts.
#include "object/ObjectBase.h"
#include "scene/title/State.h"

#include <deque>
#include <memory>
#include <string>

class CTexture;

class Pimbrel : public State {
public:
    class Div : public ObjectBase {
    public:
        Div(const std::string& file, float x, float y);
        void Update() override;
        void Draw() override;
        std::shared_ptr<CTexture> texture;
        float x;
        float y;
        float scale = 3.0f;
    };

    class Circle : public ObjectBase {
    public:
        Circle();
        void Update() override;
        void Draw() override;
        std::shared_ptr<CTexture> texture;
        float scale = 0.6f;
        float alpha = 1.0f;
    };

    Pimbrel();
    void Update() override;
    void Draw() override;

    int frameCount = 0;
    float backgroundAlpha = 0.0f;
    std::unique_ptr<CTexture> cat;
    std::unique_ptr<CTexture> lettering;
    // Owned here until handed to the object manager.
    std::deque<std::unique_ptr<Div>> pieces;
    std::unique_ptr<Circle> circle;
    bool circleShown = false;
};
