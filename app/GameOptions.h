#pragma once
// Everything the options screen changes, as one record in the settings file's
// own terms (pad buttons 1-based, keys as DirectInput numbers), and the keys
// a change writes.
#include "app/IniFile.h"

#include <vector>

class VrelsSkarovApp;

struct GameOptions {
    int gameLevel = 1; // "GameLevel" 0..3
    int rest = 3;      // "Rest"
    bool fullScreen = true;
    int windowScale = 1;
    bool vsync = true;
    int effect = 1; // "Effect" 0..2
    bool soundEffects = true;
    int seVolume = 100;
    bool music = true;
    int bgmVolume = 100;
    int keyShot = 0x2C; // Z
    int keySub = 0x2D;  // X
    int joyShot = 3;    // X in the game-controller layout
    int joySub = 1;     // A

    bool operator==(const GameOptions& other) const;
    bool operator!=(const GameOptions& other) const { return !(*this == other); }
};

// The settings table's defaults.
GameOptions DefaultOptions();

// The keys whose values differ between the two records, with the text the
// file stores for the new value, in the file's section order.
std::vector<vrels::IniEntry> ChangedEntries(const GameOptions& before, const GameOptions& after);

// What the running game uses now.
GameOptions CurrentOptions(const VrelsSkarovApp& app);
// Makes the running game use these options at once: difficulty, lives and
// effects for what follows, the window's mode and size, the sound and music
// switches and volumes, the keys and pad buttons. Vsync is only recorded for
// the next start.
void ApplyOptions(VrelsSkarovApp& app, const GameOptions& options);
