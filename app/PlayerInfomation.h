#pragma once
// The running game's player record: lives, magazines and score.
#include <algorithm>

struct SystemInfo_t;

struct PlayerInfomation {
    static constexpr int MaxScore = 999999999;

    int lives = 0;
    int magazines = 0;
    int score = 0;
    int rankedScore = 0;
    int bonusCount = 0;

    // Every addition to the score goes through here so it never passes the cap.
    void AddScore(int points) {
        const long long sum = static_cast<long long>(score) + points;
        score = static_cast<int>(std::min<long long>(std::max<long long>(sum, 0), MaxScore));
    }

    // The run is over (game over, or the last stage of a course cleared): its
    // score is the one the name entry ranks.
    void EndRun() { rankedScore = score; }

    // New game: lives from the "Rest" setting (99 while a demo plays), all else zero.
    void NewGameReset(const SystemInfo_t& info);
};
