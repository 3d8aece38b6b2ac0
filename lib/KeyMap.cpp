#include "lib/KeyMap.h"

#include "lib/KeyCodes.h"

#include <SDL.h>
#include <cstring>

namespace vrels {

namespace {

struct KeyEntry {
    SDL_Scancode scancode;
    int dik;
    const char* name;
};

// Every key a player may bind or a script may hold.
const KeyEntry kKeys[] = {
    {SDL_SCANCODE_ESCAPE, dik::ESCAPE, "ESCAPE"},
    {SDL_SCANCODE_1, dik::K1, "1"},
    {SDL_SCANCODE_2, dik::K2, "2"},
    {SDL_SCANCODE_3, dik::K3, "3"},
    {SDL_SCANCODE_4, dik::K4, "4"},
    {SDL_SCANCODE_5, dik::K5, "5"},
    {SDL_SCANCODE_6, dik::K6, "6"},
    {SDL_SCANCODE_7, dik::K7, "7"},
    {SDL_SCANCODE_8, dik::K8, "8"},
    {SDL_SCANCODE_9, dik::K9, "9"},
    {SDL_SCANCODE_0, dik::K0, "0"},
    {SDL_SCANCODE_MINUS, dik::MINUS, "MINUS"},
    {SDL_SCANCODE_EQUALS, dik::EQUALS, "EQUALS"},
    {SDL_SCANCODE_BACKSPACE, dik::BACK, "BACK"},
    {SDL_SCANCODE_TAB, dik::TAB, "TAB"},
    {SDL_SCANCODE_Q, dik::Q, "Q"},
    {SDL_SCANCODE_W, dik::W, "W"},
    {SDL_SCANCODE_E, dik::E, "E"},
    {SDL_SCANCODE_R, dik::R, "R"},
    {SDL_SCANCODE_T, dik::T, "T"},
    {SDL_SCANCODE_Y, dik::Y, "Y"},
    {SDL_SCANCODE_U, dik::U, "U"},
    {SDL_SCANCODE_I, dik::I, "I"},
    {SDL_SCANCODE_O, dik::O, "O"},
    {SDL_SCANCODE_P, dik::P, "P"},
    {SDL_SCANCODE_LEFTBRACKET, dik::LBRACKET, "LBRACKET"},
    {SDL_SCANCODE_RIGHTBRACKET, dik::RBRACKET, "RBRACKET"},
    {SDL_SCANCODE_RETURN, dik::RETURN, "RETURN"},
    {SDL_SCANCODE_LCTRL, dik::LCONTROL, "LCONTROL"},
    {SDL_SCANCODE_A, dik::A, "A"},
    {SDL_SCANCODE_S, dik::S, "S"},
    {SDL_SCANCODE_D, dik::D, "D"},
    {SDL_SCANCODE_F, dik::F, "F"},
    {SDL_SCANCODE_G, dik::G, "G"},
    {SDL_SCANCODE_H, dik::H, "H"},
    {SDL_SCANCODE_J, dik::J, "J"},
    {SDL_SCANCODE_K, dik::K, "K"},
    {SDL_SCANCODE_L, dik::L, "L"},
    {SDL_SCANCODE_SEMICOLON, dik::SEMICOLON, "SEMICOLON"},
    {SDL_SCANCODE_APOSTROPHE, dik::APOSTROPHE, "APOSTROPHE"},
    {SDL_SCANCODE_GRAVE, dik::GRAVE, "GRAVE"},
    {SDL_SCANCODE_LSHIFT, dik::LSHIFT, "LSHIFT"},
    {SDL_SCANCODE_BACKSLASH, dik::BACKSLASH, "BACKSLASH"},
    {SDL_SCANCODE_Z, dik::Z, "Z"},
    {SDL_SCANCODE_X, dik::X, "X"},
    {SDL_SCANCODE_C, dik::C, "C"},
    {SDL_SCANCODE_V, dik::V, "V"},
    {SDL_SCANCODE_B, dik::B, "B"},
    {SDL_SCANCODE_N, dik::N, "N"},
    {SDL_SCANCODE_M, dik::M, "M"},
    {SDL_SCANCODE_COMMA, dik::COMMA, "COMMA"},
    {SDL_SCANCODE_PERIOD, dik::PERIOD, "PERIOD"},
    {SDL_SCANCODE_SLASH, dik::SLASH, "SLASH"},
    {SDL_SCANCODE_RSHIFT, dik::RSHIFT, "RSHIFT"},
    {SDL_SCANCODE_KP_MULTIPLY, dik::MULTIPLY, "MULTIPLY"},
    {SDL_SCANCODE_LALT, dik::LMENU, "LMENU"},
    {SDL_SCANCODE_SPACE, dik::SPACE, "SPACE"},
    {SDL_SCANCODE_CAPSLOCK, dik::CAPITAL, "CAPITAL"},
    {SDL_SCANCODE_F1, dik::F1, "F1"},
    {SDL_SCANCODE_F2, dik::F2, "F2"},
    {SDL_SCANCODE_F3, dik::F3, "F3"},
    {SDL_SCANCODE_F4, dik::F4, "F4"},
    {SDL_SCANCODE_F5, dik::F5, "F5"},
    {SDL_SCANCODE_F6, dik::F6, "F6"},
    {SDL_SCANCODE_F7, dik::F7, "F7"},
    {SDL_SCANCODE_F8, dik::F8, "F8"},
    {SDL_SCANCODE_F9, dik::F9, "F9"},
    {SDL_SCANCODE_F10, dik::F10, "F10"},
    {SDL_SCANCODE_NUMLOCKCLEAR, dik::NUMLOCK, "NUMLOCK"},
    {SDL_SCANCODE_SCROLLLOCK, dik::SCROLL, "SCROLL"},
    {SDL_SCANCODE_KP_7, dik::NUMPAD7, "NUMPAD7"},
    {SDL_SCANCODE_KP_8, dik::NUMPAD8, "NUMPAD8"},
    {SDL_SCANCODE_KP_9, dik::NUMPAD9, "NUMPAD9"},
    {SDL_SCANCODE_KP_MINUS, dik::SUBTRACT, "SUBTRACT"},
    {SDL_SCANCODE_KP_4, dik::NUMPAD4, "NUMPAD4"},
    {SDL_SCANCODE_KP_5, dik::NUMPAD5, "NUMPAD5"},
    {SDL_SCANCODE_KP_6, dik::NUMPAD6, "NUMPAD6"},
    {SDL_SCANCODE_KP_PLUS, dik::ADD, "ADD"},
    {SDL_SCANCODE_KP_1, dik::NUMPAD1, "NUMPAD1"},
    {SDL_SCANCODE_KP_2, dik::NUMPAD2, "NUMPAD2"},
    {SDL_SCANCODE_KP_3, dik::NUMPAD3, "NUMPAD3"},
    {SDL_SCANCODE_KP_0, dik::NUMPAD0, "NUMPAD0"},
    {SDL_SCANCODE_KP_PERIOD, dik::DECIMAL, "DECIMAL"},
    {SDL_SCANCODE_NONUSBACKSLASH, dik::OEM_102, "OEM_102"},
    {SDL_SCANCODE_F11, dik::F11, "F11"},
    {SDL_SCANCODE_F12, dik::F12, "F12"},
    {SDL_SCANCODE_KP_ENTER, dik::NUMPADENTER, "NUMPADENTER"},
    {SDL_SCANCODE_RCTRL, dik::RCONTROL, "RCONTROL"},
    {SDL_SCANCODE_KP_DIVIDE, dik::DIVIDE, "DIVIDE"},
    {SDL_SCANCODE_PRINTSCREEN, dik::SYSRQ, "SYSRQ"},
    {SDL_SCANCODE_RALT, dik::RMENU, "RMENU"},
    {SDL_SCANCODE_PAUSE, dik::PAUSE, "PAUSE"},
    {SDL_SCANCODE_HOME, dik::HOME, "HOME"},
    {SDL_SCANCODE_UP, dik::UP, "UP"},
    {SDL_SCANCODE_PAGEUP, dik::PRIOR, "PRIOR"},
    {SDL_SCANCODE_LEFT, dik::LEFT, "LEFT"},
    {SDL_SCANCODE_RIGHT, dik::RIGHT, "RIGHT"},
    {SDL_SCANCODE_END, dik::END, "END"},
    {SDL_SCANCODE_DOWN, dik::DOWN, "DOWN"},
    {SDL_SCANCODE_PAGEDOWN, dik::NEXT, "NEXT"},
    {SDL_SCANCODE_INSERT, dik::INSERT, "INSERT"},
    {SDL_SCANCODE_DELETE, dik::DELETE, "DELETE"},
    {SDL_SCANCODE_LGUI, dik::LWIN, "LWIN"},
    {SDL_SCANCODE_RGUI, dik::RWIN, "RWIN"},
    {SDL_SCANCODE_APPLICATION, dik::APPS, "APPS"},
};

} // namespace

int DikFromScancode(int scancode) {
    for (const auto& key : kKeys) {
        if (key.scancode == scancode) {
            return key.dik;
        }
    }
    return 0;
}

int ScancodeFromDik(int dikCode) {
    for (const auto& key : kKeys) {
        if (key.dik == dikCode) {
            return key.scancode;
        }
    }
    return 0;
}

int DikFromName(const char* name) {
    for (const auto& key : kKeys) {
        if (std::strcmp(key.name, name) == 0) {
            return key.dik;
        }
    }
    return -1;
}

std::string KeyDisplayName(int dikCode) {
    // Names of the key table that read badly on screen.
    static const struct {
        int dik;
        const char* shown;
    } kShown[] = {
        {dik::BACK, "BACKSPACE"}, {dik::LCONTROL, "L CTRL"},   {dik::RCONTROL, "R CTRL"},
        {dik::LSHIFT, "L SHIFT"}, {dik::RSHIFT, "R SHIFT"},    {dik::LMENU, "L ALT"},
        {dik::RMENU, "R ALT"},    {dik::CAPITAL, "CAPS LOCK"}, {dik::PRIOR, "PAGE UP"},
        {dik::NEXT, "PAGE DOWN"}, {dik::LBRACKET, "["},        {dik::RBRACKET, "]"},
        {dik::SEMICOLON, ";"},    {dik::APOSTROPHE, "'"},      {dik::GRAVE, "`"},
        {dik::BACKSLASH, "\\"},   {dik::COMMA, ","},           {dik::PERIOD, "."},
        {dik::SLASH, "/"},        {dik::MINUS, "-"},           {dik::EQUALS, "="},
        {dik::MULTIPLY, "PAD *"}, {dik::SUBTRACT, "PAD -"},    {dik::ADD, "PAD +"},
        {dik::DIVIDE, "PAD /"},   {dik::DECIMAL, "PAD ."},     {dik::NUMPADENTER, "PAD ENTER"},
        {dik::NUMPAD0, "PAD 0"},  {dik::NUMPAD1, "PAD 1"},     {dik::NUMPAD2, "PAD 2"},
        {dik::NUMPAD3, "PAD 3"},  {dik::NUMPAD4, "PAD 4"},     {dik::NUMPAD5, "PAD 5"},
        {dik::NUMPAD6, "PAD 6"},  {dik::NUMPAD7, "PAD 7"},     {dik::NUMPAD8, "PAD 8"},
        {dik::NUMPAD9, "PAD 9"},  {dik::SYSRQ, "PRINT"},       {dik::LWIN, "L SUPER"},
        {dik::RWIN, "R SUPER"},   {dik::APPS, "MENU"},         {dik::SCROLL, "SCROLL LOCK"},
        {dik::OEM_102, "<"},      {dik::NUMLOCK, "NUM LOCK"},
    };
    for (const auto& entry : kShown) {
        if (entry.dik == dikCode) {
            return entry.shown;
        }
    }
    for (const auto& key : kKeys) {
        if (key.dik == dikCode) {
            return key.name;
        }
    }
    return "KEY " + std::to_string(dikCode);
}

std::string PadButtonName(int button) {
    // SDL's game-controller buttons, in their numbering.
    static const char* const kNames[] = {
        "A",     "B",    "X",       "Y",       "BACK",    "GUIDE",   "START",
        "L3",    "R3",   "LB",      "RB",      "UP",      "DOWN",    "LEFT",
        "RIGHT", "MISC", "PADDLE1", "PADDLE2", "PADDLE3", "PADDLE4", "TOUCHPAD",
    };
    if (button < 0 || button >= 32) {
        return "NONE";
    }
    if (button < static_cast<int>(sizeof(kNames) / sizeof(kNames[0]))) {
        return kNames[button];
    }
    return "BUTTON " + std::to_string(button + 1);
}

} // namespace vrels
