#include "enemy/EnemySprite.h"

#include "world/SpriteDraw.h"

#include <cmath>

namespace enemy {

Frame SideBySide(int index, int w, int h) {
    Frame frame;
    frame.rect = TexRect{index * w, 0, index * w + w, h};
    frame.cx = static_cast<float>(w) * 0.5f;
    frame.cy = static_cast<float>(h) * 0.5f;
    return frame;
}

Frame Stacked(int index, int w, int h) {
    Frame frame;
    frame.rect = TexRect{0, index * h, w, index * h + h};
    frame.cx = static_cast<float>(w) * 0.5f;
    frame.cy = static_cast<float>(h) * 0.5f;
    return frame;
}

void DrawFrame(const char* texture, const Frame& frame, float x, float y, bool flip, float alpha,
               float angle, float scale) {
    world::SpriteState sprite;
    sprite.rect = frame.rect;
    sprite.cx = frame.cx;
    sprite.cy = frame.cy;
    sprite.scale = scale;
    sprite.flipH = flip;
    world::DrawNamed(texture, sprite, x, y, alpha, angle, BlendAlpha);
}

float WholePixel(float v) {
    return std::nearbyint(v);
}

} // namespace enemy
