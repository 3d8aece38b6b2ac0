#include "tools/autoplay/KeyScriptText.h"

#include "lib/KeyCodes.h"
#include "lib/myInput.h"

namespace autoplay {

namespace {

struct ButtonKey {
    std::uint8_t bit;
    int key;
    const char* name;
};

const ButtonKey kKeys[] = {
    {ButtonUp, dik::UP, "UP"},       {ButtonDown, dik::DOWN, "DOWN"},
    {ButtonLeft, dik::LEFT, "LEFT"}, {ButtonRight, dik::RIGHT, "RIGHT"},
    {ButtonShot, dik::Z, "Z"},       {ButtonSub, dik::X, "X"},
};

} // namespace

std::set<int> KeysForButtons(std::uint8_t buttons) {
    std::set<int> keys;
    for (const ButtonKey& k : kKeys) {
        if (buttons & k.bit) {
            keys.insert(k.key);
        }
    }
    return keys;
}

std::uint8_t ButtonsForKeys(const std::set<int>& keys) {
    std::uint8_t buttons = 0;
    for (const ButtonKey& k : kKeys) {
        if (keys.count(k.key)) {
            buttons = static_cast<std::uint8_t>(buttons | k.bit);
        }
    }
    return buttons;
}

std::string KeyScriptText(const std::vector<std::uint8_t>& buttons, const std::string& header) {
    std::string text = header;
    int held = -1;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == held) {
            continue;
        }
        held = buttons[i];
        text += std::to_string(i + 1);
        for (const ButtonKey& k : kKeys) {
            if (held & k.bit) {
                text += ' ';
                text += k.name;
            }
        }
        text += '\n';
    }
    // Everything released after the last step of the plan.
    if (held != 0) {
        text += std::to_string(buttons.size() + 1) + '\n';
    }
    return text;
}

} // namespace autoplay
