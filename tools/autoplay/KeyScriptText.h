#pragma once
// Button bytes, one per frame step, as the runner's key script: a line
// "FRAME KEY KEY ..." wherever the held keys change (frame steps count from 1).
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace autoplay {

// The default keys that give a button byte: arrows, Z (shot) and X (jump).
std::set<int> KeysForButtons(std::uint8_t buttons);
// The button byte those keys give (other keys count for nothing).
std::uint8_t ButtonsForKeys(const std::set<int>& keys);

std::string KeyScriptText(const std::vector<std::uint8_t>& buttons, const std::string& header);

} // namespace autoplay
