#include "app/SystemInfo.h"

#include "app/IniFile.h"

#include <algorithm>
#include <cstdio>

SystemInfo_t::SystemInfo_t() {
    static const std::pair<const char*, int> stages[] = {
        {"STAGE 1-1", 11},    {"STAGE 1-2", 12},    {"STAGE 1-3", 13},    {"STAGE 1-4", 14},
        {"STAGE 1 boss", 15}, {"STAGE 2-1", 21},    {"STAGE 2-2", 22},    {"STAGE 2-3", 23},
        {"STAGE 2-4", 24},    {"STAGE 2 boss", 25}, {"STAGE 3-1", 31},    {"STAGE 3-2", 32},
        {"STAGE 3-3", 33},    {"STAGE 3-4", 34},    {"STAGE 3 boss", 35}, {"STAGE 4-1", 41},
        {"STAGE 4-2", 42},    {"STAGE 4-3", 43},    {"STAGE 5-1", 51},    {"STAGE 5-2", 52},
        {"STAGE 5-3", 53},    {"STAGE 5-4", 54},    {"STAGE 5 boss", 55},
    };
    for (const auto& stage : stages) {
        stageNumbers.emplace(stage.first, stage.second);
    }
}

int ClampPercent(int percent) {
    return std::clamp(percent, 0, 100);
}

void ReadSettings(SystemInfo_t& info, const std::string& settingsPath) {
    using vrels::IniReadInt;
    info.gameLevel = static_cast<std::uint8_t>(IniReadInt(settingsPath, "General", "GameLevel", 1));
    info.rest = IniReadInt(settingsPath, "General", "Rest", 3);
    info.effectLevel = IniReadInt(settingsPath, "Graphics", "Effect", 1);
    info.soundEffects = IniReadInt(settingsPath, "Sound", "SE", 1);
    info.music = IniReadInt(settingsPath, "Sound", "BGM", 1);
    info.lastStage = IniReadInt(settingsPath, "Save", "LastStage", 11);
    info.seVolume = ClampPercent(IniReadInt(settingsPath, "Sound", "SEVolume", 100));
    info.bgmVolume = ClampPercent(IniReadInt(settingsPath, "Sound", "BGMVolume", 100));
}

void SaveProgress(SystemInfo_t& info, const std::string& settingsPath, int progressNumber) {
    if (progressNumber <= info.lastStage) {
        return;
    }
    info.lastStage = progressNumber;
    char text[16];
    std::snprintf(text, sizeof(text), "%d", progressNumber);
    vrels::IniWriteString(settingsPath, "Save", "LastStage", text);
}
