#pragma once
// The backdrop of the stage select, the music mode and the name entry: a
// still picture under a half-transparent wall tile that scrolls.
#include <memory>

class CTexture;

class MenuBackdrop {
public:
    MenuBackdrop();
    ~MenuBackdrop();
    MenuBackdrop(const MenuBackdrop&) = delete;
    MenuBackdrop& operator=(const MenuBackdrop&) = delete;

    // Draws both layers and moves the tiles by (dx, dy) for the next frame.
    void Draw(float dx, float dy) const;

private:
    std::unique_ptr<CTexture> back_;
    std::unique_ptr<CTexture> wall_;
};
