#pragma once
// Giving the shot or the jump a new key or pad button: a key another action
// uses swaps with it, and the keys with a fixed meaning are refused.
#include "app/GameOptions.h"

enum class GameAction { Shot, Jump };

enum class BindResult {
    Bound,     // the action has the new key; nothing else changed
    Swapped,   // the other action had it and takes the action's old key
    Unchanged, // the action already had it
    Refused,   // a key with a fixed meaning, or a pad direction
};

// True for the keys nobody may take: Escape (quit), the arrows (movement and
// menus), P (pause), F12 (leave a paused stage) and F1 (frame counter).
bool KeyIsReserved(int dik);
// True for the pad buttons that steer (the D-pad) and those outside the 32.
bool PadButtonIsReserved(int button);

BindResult BindKey(GameOptions& options, GameAction action, int dik);
// button is 0-based, as the pad reports it; the options store it 1-based.
BindResult BindPadButton(GameOptions& options, GameAction action, int button);
