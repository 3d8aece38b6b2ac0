#include "scene/options/OptionRows.h"

#include "lib/KeyMap.h"

#include <algorithm>

namespace {

const char* const kLabels[kOptionRowCount] = {
    "Difficulty",    "Lives",     "Display",  "Window Size",  "Vsync",    "Effects",
    "Sound Effects", "SE Volume", "Music",    "Music Volume", "Shot Key", "Jump Key",
    "Pad Shot",      "Pad Jump",  "Controls", "Defaults",     "Back",
};

const char* const kDifficulties[] = {"EASY", "NORMAL", "HARD", "VERYHARD"};
const char* const kEffectAmounts[] = {"LOW", "NORMAL", "HIGH"};

constexpr int kVolumeStep = 10;

// Steps within [low, high], wrapping round at both ends; a value from the
// file outside the range starts from the nearer end.
int Cycle(int value, int low, int high, int direction) {
    value = std::clamp(value, low, high) + direction;
    if (value > high) {
        return low;
    }
    if (value < low) {
        return high;
    }
    return value;
}

std::string OnOff(bool on) {
    return on ? "ON" : "OFF";
}

std::string Percent(int value) {
    return std::to_string(value) + "%";
}

std::string PadButton(int stored) {
    const std::string name = vrels::PadButtonName(stored - 1);
    return name == "NONE" ? name : name + " (" + std::to_string(stored) + ")";
}

} // namespace

const char* RowLabel(OptionRow row) {
    const int index = static_cast<int>(row);
    return index >= 0 && index < kOptionRowCount ? kLabels[index] : "";
}

std::string RowValue(OptionRow row, const GameOptions& o) {
    switch (row) {
    case OptionRow::Difficulty:
        return kDifficulties[std::clamp(o.gameLevel, 0, 3)];
    case OptionRow::Lives:
        return std::to_string(o.rest);
    case OptionRow::Display:
        return o.fullScreen ? "FULL SCREEN" : "WINDOW";
    case OptionRow::WindowSize:
        return "x" + std::to_string(o.windowScale);
    case OptionRow::Vsync:
        return OnOff(o.vsync);
    case OptionRow::Effects:
        return o.effect >= 0 && o.effect <= 2 ? kEffectAmounts[o.effect] : std::to_string(o.effect);
    case OptionRow::SoundEffects:
        return OnOff(o.soundEffects);
    case OptionRow::SEVolume:
        return Percent(o.seVolume);
    case OptionRow::Music:
        return OnOff(o.music);
    case OptionRow::MusicVolume:
        return Percent(o.bgmVolume);
    case OptionRow::ShotKey:
        return vrels::KeyDisplayName(o.keyShot);
    case OptionRow::JumpKey:
        return vrels::KeyDisplayName(o.keySub);
    case OptionRow::PadShot:
        return PadButton(o.joyShot);
    case OptionRow::PadJump:
        return PadButton(o.joySub);
    default:
        return "";
    }
}

bool StepRow(OptionRow row, GameOptions& o, int direction) {
    switch (row) {
    case OptionRow::Difficulty:
        o.gameLevel = Cycle(o.gameLevel, 0, 3, direction);
        return true;
    case OptionRow::Lives:
        o.rest = Cycle(o.rest, 1, 9, direction);
        return true;
    case OptionRow::Display:
        o.fullScreen = !o.fullScreen;
        return true;
    case OptionRow::WindowSize:
        o.windowScale = Cycle(o.windowScale, 1, 4, direction);
        return true;
    case OptionRow::Vsync:
        o.vsync = !o.vsync;
        return true;
    case OptionRow::Effects:
        o.effect = Cycle(o.effect, 0, 2, direction);
        return true;
    case OptionRow::SoundEffects:
        o.soundEffects = !o.soundEffects;
        return true;
    case OptionRow::SEVolume:
        o.seVolume = std::clamp(o.seVolume + direction * kVolumeStep, 0, 100);
        return true;
    case OptionRow::Music:
        o.music = !o.music;
        return true;
    case OptionRow::MusicVolume:
        o.bgmVolume = std::clamp(o.bgmVolume + direction * kVolumeStep, 0, 100);
        return true;
    default:
        return false;
    }
}
