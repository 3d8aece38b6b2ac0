#pragma once
// The course: every playable stage with its name, successor, backdrop, replay
// number, map and music. Stage classes only fix these values; the table is
// their single source.
#include <string>
#include <vector>

struct StageRow {
    const char* className;   // the scene's registered name
    int stageIndex;          // recorded in the game state as the current world
    const char* displayName; // shown by the intro and the HUD; empty for boss stages
    const char* nextScene;   // where a clear leads
    const char* backdrop;    // loaded as the scene texture "Background"
    int progressNumber;      // saved as "LastStage"; names the replay file
    const char* mapFile;
    // Music started with the stage: an intro played once and a loop after it,
    // or (empty loop) one file that loops. Boss stages start none here: their
    // conversation starts the boss music.
    const char* musicIntro;
    const char* musicLoop;

    bool HasMusic() const { return musicIntro[0] != '\0'; }
    bool MusicIsPair() const { return musicLoop[0] != '\0'; }
};

// Every stage of the test stage, the full course and the trial course.
const std::vector<StageRow>& StageTable();
// The row of a stage class; throws std::out_of_range for a name not in the table.
const StageRow& StageRowFor(const std::string& className);
