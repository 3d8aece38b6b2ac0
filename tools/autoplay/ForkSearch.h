#pragma once
// Finds button bytes that carry the heroine from where she stands to the goal.
//
// The game is deterministic for the same button bytes, so a forked copy of the
// process is an exact snapshot of the game: the search forks before every
// choice, lets the copy play a short segment with one of a few moves (walk,
// jump, wait, turn back, crouch; the gun fires by itself at enemies in line)
// and goes deeper in that copy while it lives. A copy whose heroine dies, who
// stops making headway or who reaches a place already tried ends, and its
// parent tries the next move: a depth-first search with snapshots for free.
// Only one copy runs at a time; the others wait for their child.
#include <cstdint>
#include <functional>
#include <vector>

namespace autoplay {

struct SearchSettings {
    int segmentFrames = 8;   // frames one move lasts
    long nodeBudget = 40000; // segments tried before giving up
    int stallFrames = 900;   // frames a path may go without getting further right
    int maxFrames = 11500;   // the time limit runs out at 11765
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
    struct Shared;

    void Explore(int pathBestX, int pathBestFrame);
    Outcome PlaySegment(std::uint8_t move);
    void Step(std::uint8_t buttons);
    void Publish(bool goal);
    bool SeenBefore();

    std::function<void(std::uint8_t)> step_;
    SearchSettings settings_;
    std::vector<std::uint8_t> plan_;
    int eventTick_ = 0;
    Shared* shared_ = nullptr;
};

} // namespace autoplay
