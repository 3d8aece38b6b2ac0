#pragma once
// The gun: rate of fire, magazines and reloads, and the weapon panel of the
// heads-up display. Bullets and cases are objects of their own.
#include "app/Random.h"
#include "object/ObjectBase.h"

#include <memory>

class CTexture;
class PsSoundBuf;

class Skarov : public ObjectBase {
public:
    Skarov();
    ~Skarov() override;

    void Update() override { ++sinceShot; }
    void Draw() override;

    // A trigger pull at the player's feet position; the gun limits the rate.
    void Fire(float px, float py, bool crouching);
    // The next spread angle in -0.1..0.1 radians.
    float NextSpread();

    static constexpr int RoundsPerMagazine = 20;
    static constexpr int FramesPerShot = 5;
    static constexpr int MaxMagazines = 99;

    int sinceShot = 0;
    vrels::Drand48 spread{0};
    std::unique_ptr<CTexture> panel;
    std::unique_ptr<CTexture> magazinePanel;
    std::unique_ptr<CTexture> roundPanel;
    std::unique_ptr<CTexture> roundMark;
    // The gun's own voices; null when the file could not be loaded.
    std::unique_ptr<PsSoundBuf> shotSound;
    std::unique_ptr<PsSoundBuf> emptySound;
    int magazines = 0;
    int rounds = RoundsPerMagazine;
    bool reloading = false;

private:
    void StartReload();
};
