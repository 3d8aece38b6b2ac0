#pragma once
// The maid: the player character with her sprite sheet, animation and gun.
#include "player/PlayerBase.h"

#include <memory>

class CTexture;
class Skarov;

class PlayerMary : public PlayerBase {
public:
    PlayerMary();
    ~PlayerMary() override;

    void Update() override;
    void Draw() override;
    void Reset() override;
    void Control() override;
    void AddMagazine() override;
    void ResetAnimation() override;

    // The gun, owned by the object manager; null once the manager dropped it.
    Skarov* Gun() const { return gun.lock().get(); }

    int animFrame = 0;
    int animTick = 0;
    std::shared_ptr<CTexture> sheet;
    std::weak_ptr<Skarov> gun;

    // Frames of the reload animation before the new magazine is in.
    static constexpr int ReloadFrames = 36;

private:
    void Animate();
    void AdvanceReload();
};
