#pragma once
// Finds button bytes that carry the heroine from where she stands to the goal.
//
// A depth-first search over short segments, each played with one of a few
// moves (walk, jump, wait, turn back, crouch; the gun fires by itself at
// enemies in line). A path ends when the heroine dies, stops making headway or
// reaches a place already tried; the search then backs up and tries the next
// move at the latest choice still open.
//
// The game is deterministic for the same button bytes, so a forked copy of
// the process is an exact snapshot of the game. Forks are slow on a loaded
// machine, though, so a copy is made only every `snapshotSegments` segments:
// a try from a snapshot replays the moves chosen before (cheap) and then plays
// on with the preferred move, reporting where it ended; a try that gets
// through the whole stretch becomes the next snapshot. Only one copy runs at a
// time; the others wait for their child.
#include "tools/autoplay/StageProbe.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace autoplay {

struct SearchSettings {
    int segmentFrames = 8;      // frames one move lasts
    int snapshotSegments = 8;   // segments between two forked snapshots
    long nodeBudget = 40000;    // segments tried before giving up
    int stallFrames = 900;      // frames a path may go without getting further right
    int fightStallFrames = 720; // frames a path may stay armed in a fight without a hit
    // Frames a plan may hold. The stage's own time limit (200 s of play;
    // conversations do not count) ends a slower try with a miss anyway.
    int maxFrames = 65000;
    bool verbose = false;  // report headway on standard error
    bool bestFirst = true; // else depth first
    int timeShift = 9;     // places count as new again after 2^timeShift frames
    bool showWay = false;  // print the goal-distance picture before searching
};

struct SearchResult {
    bool found = false;
    long nodes = 0;
    std::vector<std::uint8_t> buttons; // the winning plan, or the furthest one
    int bestMapX = 0;
};

class ForkSearch {
public:
    // step: plays one frame step with the given button byte.
    ForkSearch(std::function<void(std::uint8_t)> step, SearchSettings settings);
    ~ForkSearch();
    ForkSearch(const ForkSearch&) = delete;
    ForkSearch& operator=(const ForkSearch&) = delete;

    // Plays the frames before the heroine can move, then searches. plan
    // holds the frames already played (the caller's prefix).
    SearchResult Run(std::vector<std::uint8_t> plan);

private:
    enum class Outcome { Alive, Dead, Goal };
    struct Report;
    struct PoolNode;
    struct Shared;

    void Explore(int depth, int pathBestX, int pathBestFrame);
    void Try(int depth, const std::vector<std::uint8_t>& forced, int pathBestX, int pathBestFrame);
    Outcome PlaySegment(std::uint8_t move);
    void Coordinate();
    void Register(int slot);
    long Score(const StageView& view) const;
    [[noreturn]] void Serve(int slot);
    [[noreturn]] void Expand(std::uint8_t move, int target);
    void Step(std::uint8_t buttons);
    void Publish(bool goal);
    bool SeenBefore();

    std::function<void(std::uint8_t)> step_;
    SearchSettings settings_;
    std::vector<std::uint8_t> plan_;
    int eventTick_ = 0;
    int waitRun_ = 0;      // segments waited in a row
    int bossesBeaten_ = 0; // on this path
    int damageDealt_ = 0;  // hit points taken from bosses on this path
    int lastDamageFrame_ = 0;
    Shared* shared_ = nullptr;
    NavigationField navigation_; // measured once the heroine can move
};

} // namespace autoplay
