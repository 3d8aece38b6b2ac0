#pragma once
// The second form of the last boss: fades in over 200 frames, harmless
// meanwhile, then hovers after the player, swoops, fires beam volleys from
// its four emitters and aimed fireballs. Its death starts the last
// conversation.
#include "enemy/WavingBoss.h"

class Marfes2 : public WavingBoss {
public:
    enum State { Hover = 0, WindUp = 1, Beams = 2, Swoop = 3, Fireballs = 4 };
    static constexpr int Points = 10000;
    static constexpr float FadeInStep = 0.005f;

    Marfes2();
    const char* Kind() const override { return "Marfes2"; }
    void Act() override;
    void Draw() override;
    void Die() override;
    // Harmless while it fades in.
    void TouchPlayer() override;

    bool appearing = true;
    // The fade-in while appearing, the damage flash after.
    float alpha = 0;

private:
    void FireBeamVolley();
};
