#pragma once
// Finds button bytes that carry the heroine from where she stands to the goal.
//
// The game is deterministic for the same button bytes, so a forked copy of
// the process is an exact snapshot of the game. The search plays short
// segments, each with one of a few moves (walk, jump, wait, turn back,
// crouch; the gun fires by itself at enemies in line), from such snapshots:
//
// - best first (the default): a pool of waiting snapshots, the one nearest
//   the goal (or, in a boss fight, with the most damage dealt) tried next;
// - beam (`beamWidth`): generation by generation, every snapshot tried with
//   every move and the best results kept, so that all paths stay the same age;
// - depth first: tries stretches of preferred moves from a snapshot and backs
//   up to the latest choice still open when the heroine dies.
//
// A fork of a fork of a fork costs more each generation (the kernel copies
// the bookkeeping of every ancestor's memory), so a snapshot many generations
// deep is rebuilt instead: the search's first copy forks afresh and replays
// the path's button bytes, some 20 microseconds a frame.
#include "tools/autoplay/StageProbe.h"

#include <cstdint>
#include <functional>
#include <sys/types.h>
#include <vector>

namespace autoplay {

struct SearchSettings {
    int segmentFrames = 8;      // frames one move lasts
    int snapshotSegments = 8;   // segments between two forked snapshots
    long nodeBudget = 40000;    // segments tried before giving up
    int stallFrames = 900;      // frames a path may go without getting further right
    int fightStallFrames = 720; // frames a path may stay armed in a fight without a hit
    // With a width, a beam search: every snapshot of a generation is tried
    // with every move, and the best `beamWidth` of the results, no two in the
    // same place and state, make the next generation. All paths then stay
    // the same age, so a slow path cannot crowd out a fast one, which suits
    // a fight against the stage's clock; best first goes deeper faster.
    int beamWidth = 0;
    // Frames a plan may hold. The stage's own time limit (200 s of play;
    // conversations do not count) ends a slower try with a miss anyway.
    int maxFrames = 65000;
    bool verbose = false;  // report headway on standard error
    bool bestFirst = true; // else depth first
    int timeShift = 9;     // places count as new again after 2^timeShift frames
    bool showWay = false;  // print the goal-distance picture before searching
    // With a column, the search aims at a cell instead of the mirror (an item
    // off the way, say): the plan ends when her feet are in that cell.
    int targetColumn = -1;
    int targetRow = -1;
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
    struct Rebuild;

    void Explore(int depth, int pathBestX, int pathBestFrame);
    void Try(int depth, const std::vector<std::uint8_t>& forced, int pathBestX, int pathBestFrame);
    Outcome PlaySegment(std::uint8_t move);
    bool Arrived(const StageView& view) const;
    void StartSnapshots();
    void StopSnapshots();
    void Leave(int slot);
    void Coordinate();
    void CoordinateBeam();
    void Register(int slot);
    long Score(const StageView& view) const;
    [[noreturn]] void Serve(int slot);
    [[noreturn]] void Expand(std::uint8_t move, int target);
    [[noreturn]] void ServeRebuilds();
    pid_t ForkInto(int target);
    void Step(std::uint8_t buttons);
    void Publish(bool goal);
    void PlayOut();
    bool SeenBefore();
    // Whether the search is over: the goal found, the budget spent, or
    // nobody reads its progress any more.
    bool Finished() const;
    // Progress on standard error. When that is a pipe whose reader has gone,
    // the search ends (SIGPIPE is ignored, so that no snapshot dies halfway
    // through its handshake with the coordinator and leaves it waiting).
    void Say(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::function<void(std::uint8_t)> step_;
    SearchSettings settings_;
    std::vector<std::uint8_t> plan_;
    int eventTick_ = 0;
    int waitRun_ = 0;      // segments waited in a row
    int bossesBeaten_ = 0; // on this path
    int damageDealt_ = 0;  // hit points taken from bosses on this path
    int lastDamageFrame_ = 0;
    int generations_ = 0; // forks since this snapshot was last rebuilt by replay
    Shared* shared_ = nullptr;
    NavigationField navigation_; // measured once the heroine can move
};

} // namespace autoplay
