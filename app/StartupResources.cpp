#include "app/StartupResources.h"

namespace vrels {

const StartupTexture kStartupTextures[] = {
    {"number", "gfx/number.tga", false},
    {"Black", "gfx/black.tga", false},
    {"white", "gfx/white.tga", false},
    {"NormalFont", "gfx/font_normal.tga", false},
    {"OrangeFont", "gfx/font_orange.tga", false},
    {"GreenFont", "gfx/font_green.tga", false},
    {"coin", "gfx/coin.tga", false},
    {"Magazine", "gfx/magazine.tga", false},
    {"1up", "gfx/1up.tga", false},
    {"midpoint", "gfx/midpoint.tga", false},
    {"MirrorBase", "gfx/mirror_base.tga", false},
    {"MirrorBlack", "gfx/mirror_black.tga", false},
    {"MirrorHighlight", "gfx/mirror_highlight.tga", false},
    {"SkarovBullet", "gfx/SkarovBullet.tga", false},
    {"case", "gfx/SkarovBulletCase.tga", false},
    {"Dust", "gfx/dust.tga", true},
    {"Blood", "gfx/blood.tga", true},
    {"Bomb", "gfx/bomb.tga", true},
    {"hit_wall", "gfx/hit_wall.tga", true},
    {"Itemget", "gfx/item_get.tga", false},
    {"Baku", "gfx/baku.tga", true},
    {"Effect", "gfx/effect.tga", true},
    {"Dummy", "gfx/enemy/dummy.tga", false},
    {"Knife", "gfx/enemy/knife.tga", false},
    {"Brain", "gfx/enemy/brain.tga", false},
    {"PataPata", "gfx/enemy/patapata.tga", false},
    {"Death", "gfx/enemy/death.tga", false},
    {"Met", "gfx/enemy/met.tga", false},
    {"Togezo", "gfx/enemy/togezo.tga", false},
    {"Monoeye", "gfx/enemy/monoeye.tga", false},
    {"Ghost", "gfx/enemy/ghost.tga", false},
    {"Mecha", "gfx/enemy/mecha.tga", false},
    {"Marionette", "gfx/enemy/marionette.tga", false},
    {"Fireball", "gfx/enemy/fireball.tga", false},
    {"Burner", "gfx/enemy/burner.tga", false},
    {"Guruguru", "gfx/enemy/guruguru.tga", false},
    {"Floating", "gfx/floating.tga", false},
    {"Beam", "gfx/enemy/beam.tga", false},
    {"GoalEffect", "gfx/goal_effect.tga", false},
};
const std::size_t kStartupTextureCount = sizeof(kStartupTextures) / sizeof(kStartupTextures[0]);

const StartupSound kStartupSounds[] = {
    {"JumpOff", "se/jump_off.wav"},   {"JumpOn", "se/jump_on.wav"},
    {"Press", "se/press.wav"},        {"Item", "se/item.wav"},
    {"1up", "se/1up.wav"},            {"Miss", "se/miss.wav"},
    {"Hit", "se/hit.wav"},            {"Case", "se/case.wav"},
    {"Enemy", "se/enemy.wav"},        {"Select", "se/select.wav"},
    {"Coin", "se/coin.wav"},          {"Bomb1", "se/bomb1.wav"},
    {"Bomb2", "se/bomb2.wav"},        {"hit_wall", "se/hit_wall.wav"},
    {"goal", "se/goal.wav"},          {"Burner", "se/burner.wav"},
    {"Fire", "se/fire.wav"},          {"FireBreak", "se/fire_break.wav"},
    {"BlockBreak", "se/block_break.wav"}, {"Dosun", "se/dosun.wav"},
    {"BossDead1", "se/boss_dead1.wav"},
};
const std::size_t kStartupSoundCount = sizeof(kStartupSounds) / sizeof(kStartupSounds[0]);

} // namespace vrels
