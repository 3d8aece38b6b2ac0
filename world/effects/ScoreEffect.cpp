#include "world/effects/ScoreEffect.h"

#include "ui/StringSprite.h"

#include <algorithm>

ScoreEffect::ScoreEffect(float px, float py, const std::string& s) : text(s) {
    priority = 500;
    level = 100;
    x = px - 8.0f * static_cast<float>(text.size());
    y = py - 16.0f;
}

void ScoreEffect::Update() {
    y -= 1.0f;
    alpha = std::max(alpha - 0.01f, 0.0f);
    if (alpha <= 0.0f) {
        Remove();
    }
}

void ScoreEffect::Draw() {
    StringSprite sprite(x, y, text);
    sprite.scale = 0.9f;
    sprite.spacing = 0.9f;
    sprite.alpha = alpha;
    sprite.Draw();
}
