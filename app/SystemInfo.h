#pragma once
// The game state: settings read at start-up, run flags, the ranking and the
// stage progress numbers.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One place of the ranking (app/Ranking.h reads and writes the table).
struct RankingEntry_t {
    int score = 0;
    std::string name;
    std::uint8_t difficulty = 0;

    bool operator==(const RankingEntry_t& other) const {
        return score == other.score && name == other.name && difficulty == other.difficulty;
    }
};

struct SystemInfo_t {
    SystemInfo_t();

    std::vector<RankingEntry_t> ranking;
    int currentWorld = 1;
    bool demo = false;
    std::uint8_t gameLevel = 1;
    int music = 1;
    int soundEffects = 1;
    int effectLevel = 1;
    int rest = 3;
    int bench = 0;
    bool commandLineStart = false;
    std::map<std::string, int> stageNumbers;
    int lastStage = 11;
    // Loudness of the effects and of the music in percent ("SEVolume",
    // "BGMVolume"), applied on top of the on/off keys.
    int seVolume = 100;
    int bgmVolume = 100;
};

// Reads "GameLevel", "Rest", "Effect", "SE", "BGM", "LastStage", "SEVolume"
// and "BGMVolume" from the settings file into the game state.
void ReadSettings(SystemInfo_t& info, const std::string& settingsPath);
// A volume setting limited to 0..100 percent.
int ClampPercent(int percent);
// Records a newly reached stage in memory and in the settings file.
void SaveProgress(SystemInfo_t& info, const std::string& settingsPath, int progressNumber);
