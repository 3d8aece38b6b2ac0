#include "tools/autoplay/ForkSearch.h"

#include "lib/myInput.h"
#include "tools/autoplay/StageProbe.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <semaphore.h>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace autoplay {

namespace {
constexpr int kMaxPlan = 65536;
constexpr std::uint64_t kVisitedBits = std::uint64_t(1) << 27;
constexpr int kMaxDepth = 2048;
constexpr int kMaxStretch = 64;
constexpr int kPool = 600;
constexpr int kMoveCount = 7;
// Generations of forks a snapshot may descend from before it is rebuilt by
// replay. Each fork of a fork adds to the memory bookkeeping the kernel copies
// at the next fork, so deep lines of snapshots grow slower at every step (to
// tens of milliseconds a fork a few hundred generations down); replaying a
// path from the search's start costs some 20 microseconds a frame (eight
// generations measured fastest).
constexpr int kRebuildGenerations = 8;
} // namespace

// Lives in memory shared by every copy of the process.
struct ForkSearch::Report {
    int played = 0; // segments played before the try ended
    std::uint8_t moves[kMaxStretch] = {};
};

// A snapshot waiting in the best-first pool for the move to try next.
struct ForkSearch::PoolNode {
    int state = 0; // 0 free, 1 waiting, 2 reserved for a snapshot being made
    long score = 0;
    int frame = 0;
    int damage = 0;        // dealt to bosses on its path
    std::uint64_t key = 0; // its place and state, coarsely, for the beam
    int tried = 0;
    std::uint8_t order[kMoveCount] = {};
    int command = 0; // move | target slot << 8; -1: leave
    sem_t wake;
};

// What a snapshot rebuilt by replay needs besides the game: its path and
// what the search knows about that path.
struct ForkSearch::Rebuild {
    int target = 0;
    int eventTick = 0;
    int waitRun = 0;
    int bossesBeaten = 0;
    int damageDealt = 0;
    int lastDamageFrame = 0;
    FightMemory fight;
    int planLength = 0;
    std::uint8_t plan[kMaxPlan];
};

struct ForkSearch::Shared {
    Report reports[kMaxDepth];
    PoolNode pool[kPool];
    sem_t done;
    sem_t left;     // a snapshot told to leave has read the word
    sem_t rootWake; // the search's first copy: rebuilds a snapshot by replay
    int rootCommand = 0;
    Rebuild rebuild;
    pid_t coordinator = 0;
    long nodes = 0;
    int won = 0;
    int outputClosed = 0; // a progress line found its reader gone
    int bestMapX = -1;
    long bestScore = -1000000000L;
    int planLength = 0;
    std::uint8_t plan[kMaxPlan];
    std::uint64_t visited[kVisitedBits / 64];
};

ForkSearch::ForkSearch(std::function<void(std::uint8_t)> step, SearchSettings settings)
    : step_(std::move(step)), settings_(settings) {
    void* memory =
        mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::runtime_error(std::string("mmap: ") + std::strerror(errno));
    }
    shared_ = new (memory) Shared;
    for (PoolNode& node : shared_->pool) {
        sem_init(&node.wake, 1, 0);
    }
    sem_init(&shared_->done, 1, 0);
    sem_init(&shared_->left, 1, 0);
    sem_init(&shared_->rootWake, 1, 0);
    settings_.snapshotSegments = std::max(1, std::min(settings_.snapshotSegments, kMaxStretch));
}

ForkSearch::~ForkSearch() {
    munmap(shared_, sizeof(Shared));
}

void ForkSearch::Step(std::uint8_t buttons) {
    plan_.push_back(buttons);
    step_(buttons);
}

SearchResult ForkSearch::Run(std::vector<std::uint8_t> plan) {
    plan_ = std::move(plan);
    // Wait through the stage's intro with nothing pressed; the first step
    // runs the stage's first update, which starts the intro.
    Step(0);
    for (int guard = 0; guard < 2000; ++guard) {
        const StageView view = LookAtStage();
        if (view.inStage && view.controllable) {
            break;
        }
        Step(0);
    }
    const StageView start = LookAtStage();
    if (!start.inStage) {
        throw std::runtime_error("the first scene is not a stage");
    }
    navigation_ = MeasureStage(settings_.targetColumn, settings_.targetRow);
    lastDamageFrame_ = static_cast<int>(plan_.size());
    if (settings_.showWay) {
        Say("%s", navigation_.Picture().c_str());
    }
    std::fflush(stdout);
    std::fflush(stderr);
    if (settings_.beamWidth > 0) {
        CoordinateBeam();
    } else if (settings_.bestFirst) {
        Coordinate();
    } else {
        const pid_t child = fork();
        if (child < 0) {
            throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
        }
        if (child == 0) {
            Explore(0, start.mapX, static_cast<int>(plan_.size()));
            _exit(0);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    SearchResult result;
    result.found = shared_->won != 0;
    result.nodes = shared_->nodes;
    result.bestMapX = shared_->bestMapX;
    result.buttons.assign(shared_->plan, shared_->plan + shared_->planLength);
    return result;
}

bool ForkSearch::Finished() const {
    return shared_->won != 0 || shared_->outputClosed != 0 ||
           shared_->nodes >= settings_.nodeBudget;
}

void ForkSearch::Say(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    if ((written < 0 || std::fflush(stderr) != 0) && errno == EPIPE) {
        shared_->outputClosed = 1;
    }
}

void ForkSearch::PlayOut() {
    // The last boss's stage has no mirror: its goal is the last form's fall,
    // and a conversation follows before the next scene. Hurry it as in play,
    // so that the script leads on; elsewhere the clear needs no buttons.
    bool talked = false;
    for (int quiet = 0, guard = 0; guard < 6000; ++guard) {
        const StageView view = LookAtStage();
        if (!view.inStage) {
            return;
        }
        if (view.eventRunning) {
            talked = true;
            Step(((eventTick_++ / 4) % 2) ? ButtonShot : 0);
        } else if (talked || ++quiet > 30) {
            return;
        } else {
            Step(0);
        }
    }
}

void ForkSearch::Publish(bool goal) {
    if (goal) {
        PlayOut();
    }
    const int n = std::min<int>(static_cast<int>(plan_.size()), kMaxPlan);
    std::memcpy(shared_->plan, plan_.data(), n);
    shared_->planLength = n;
    if (goal) {
        shared_->won = 1;
    }
}

ForkSearch::Outcome ForkSearch::PlaySegment(std::uint8_t move) {
    int played = 0;
    while (played < settings_.segmentFrames) {
        const StageView view = LookAtStage();
        if (Arrived(view)) {
            return Outcome::Goal;
        }
        if (!view.inStage || !view.alive || static_cast<int>(plan_.size()) >= settings_.maxFrames) {
            return Outcome::Dead;
        }
        if (view.controllable) {
            Step(move | AutoShot(move));
            ++played;
        } else if (view.eventRunning) {
            // Conversations move on with the shot button, pressed afresh.
            Step(((eventTick_++ / 4) % 2) ? ButtonShot : 0);
        } else {
            Step(0);
        }
    }
    const StageView view = LookAtStage();
    if (Arrived(view)) {
        return Outcome::Goal;
    }
    return view.inStage && view.alive ? Outcome::Alive : Outcome::Dead;
}

// At the mirror, or with a target cell, standing or passing in that cell.
bool ForkSearch::Arrived(const StageView& view) const {
    if (settings_.targetColumn < 0) {
        return view.goal;
    }
    return view.inStage && view.alive && view.mapX / 32 == settings_.targetColumn &&
           (view.mapY - 1) / 32 == settings_.targetRow;
}

bool ForkSearch::SeenBefore() {
    const StageView v = LookAtStage();
    std::uint64_t key = 1469598103934665603ull;
    // Time counts only coarsely, and while she waits: the same place at
    // another time is mostly the same state, but waiting for a platform or an
    // enemy must stay possible.
    const int parts[] = {v.mapX >> 3,
                         v.mapY >> 3,
                         v.jumpState,
                         v.vy,
                         waitRun_,
                         v.bossHp,
                         v.bosses + bossesBeaten_ * 8,
                         v.goalOut ? 1 : 0,
                         static_cast<int>(plan_.size()) >> settings_.timeShift};
    for (int p : parts) {
        key = (key ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(p))) * 1099511628211ull;
    }
    // Where the enemies around her are: waiting for one to pass leads to the
    // same place in another state.
    key = (key ^ NearbyEnemies()) * 1099511628211ull;
    const std::uint64_t bit = key % kVisitedBits;
    std::uint64_t& word = shared_->visited[bit / 64];
    const std::uint64_t mask = std::uint64_t(1) << (bit % 64);
    const bool seen = (word & mask) != 0;
    word |= mask;
    return seen;
}

namespace {

const std::uint8_t kMoves[] = {
    ButtonRight, ButtonRight | ButtonSub, 0, ButtonSub, ButtonLeft | ButtonSub, ButtonLeft,
    ButtonDown,
};

} // namespace

// Runs in a snapshot: tries stretches of moves from here until one reaches
// the goal or every choice within the stretch has failed.
void ForkSearch::Explore(int depth, int pathBestX, int pathBestFrame) {
    if (depth >= kMaxDepth) {
        return;
    }
    // Forced move prefixes still to try, the next on top.
    std::vector<std::vector<std::uint8_t>> open = {{}};
    while (!open.empty()) {
        if (Finished()) {
            return;
        }
        const std::vector<std::uint8_t> forced = open.back();
        open.pop_back();
        shared_->reports[depth] = Report{};
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return;
        }
        if (child == 0) {
            Try(depth, forced, pathBestX, pathBestFrame);
            _exit(0);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (shared_->won) {
            return;
        }
        // The moves this try chose by preference are choices still open: the
        // deepest is tried first.
        const Report& report = shared_->reports[depth];
        const int first = std::max<int>(0, static_cast<int>(forced.size()));
        for (int i = first; i < report.played; ++i) {
            std::vector<std::uint8_t> prefix(report.moves, report.moves + i);
            for (int m = static_cast<int>(sizeof(kMoves)) - 1; m >= 0; --m) {
                if (kMoves[m] != report.moves[i]) {
                    prefix.push_back(kMoves[m]);
                    open.push_back(prefix);
                    prefix.pop_back();
                }
            }
        }
    }
}

// Runs in a fresh copy of a snapshot: replays the forced moves, plays on by
// preference and records what it played in this depth's report.
void ForkSearch::Try(int depth, const std::vector<std::uint8_t>& forced, int pathBestX,
                     int pathBestFrame) {
    Report& report = shared_->reports[depth];
    const int stretch = settings_.snapshotSegments;
    for (int i = 0; i < stretch; ++i) {
        std::uint8_t move = 0;
        if (i < static_cast<int>(forced.size())) {
            move = forced[i];
        } else {
            move = PreferredMove();
        }
        report.moves[i] = move;
        report.played = i + 1;
        const bool fresh = i + 1 >= static_cast<int>(forced.size());
        if (fresh) {
            ++shared_->nodes;
        }
        const Outcome outcome = PlaySegment(move);
        waitRun_ = move == 0 ? waitRun_ + 1 : 0;
        if (outcome == Outcome::Goal) {
            Publish(true);
            return;
        }
        if (outcome == Outcome::Dead || (fresh && SeenBefore())) {
            return;
        }
        const StageView view = LookAtStage();
        const int frame = static_cast<int>(plan_.size());
        if (view.mapX > pathBestX) {
            pathBestX = view.mapX;
            pathBestFrame = frame;
        }
        if (view.mapX > shared_->bestMapX) {
            shared_->bestMapX = view.mapX;
            Publish(false);
            if (settings_.verbose) {
                Say("  map x %d at frame %d after %ld segments\n", view.mapX, frame,
                    shared_->nodes);
            }
        }
        if (frame - pathBestFrame > settings_.stallFrames) {
            return;
        }
    }
    // The whole stretch lives: this copy is the next snapshot.
    Explore(depth + 1, pathBestX, pathBestFrame);
}

// ---- Best first: a pool of waiting snapshots, the furthest expanded next ----

namespace {

void WaitOn(sem_t* semaphore) {
    while (sem_wait(semaphore) < 0 && errno == EINTR) {
    }
}

// Whether a process still runs: a killed one whose parent is gone too may
// stay behind as a zombie that nobody reaps, which signals still reach.
bool Running(pid_t pid) {
    if (kill(pid, 0) != 0 && errno == ESRCH) {
        return false;
    }
    std::FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (!stat) {
        return false;
    }
    char line[512] = {};
    const size_t n = std::fread(line, 1, sizeof(line) - 1, stat);
    std::fclose(stat);
    const char* end = std::strrchr(line, ')'); // the name may hold spaces
    const char state = end && end + 2 < line + n ? end[2] : '?';
    return state != 'Z' && state != 'X';
}

// A waiting snapshot checks every second that the search still runs: when
// the coordinating process is killed, nobody would ever wake it again.
void WaitForCommand(sem_t* semaphore, pid_t coordinator) {
    for (;;) {
        timespec until{};
        clock_gettime(CLOCK_REALTIME, &until);
        until.tv_sec += 1;
        if (sem_timedwait(semaphore, &until) == 0) {
            return;
        }
        if (errno == ETIMEDOUT && !Running(coordinator)) {
            _exit(0);
        }
    }
}

} // namespace

// How far along a snapshot is: fewer cells from the goal (or further right,
// where the stage has no goal yet) first, and at the same place sooner. On a boss stage, a boss on
// stage outranks any place, more damage dealt ranks higher, then rounds at hand and time
// survived, and once the goal is out the distance to it decides.
long ForkSearch::Score(const StageView& view) const {
    const long frame = static_cast<long>(plan_.size());
    if (view.bossStage) {
        if (view.goalOut) {
            return 100000000L - view.goalDistance * 8L - frame;
        }
        if (view.bosses > 0 || bossesBeaten_ > 0) {
            // In the fight, lasting is headway too (else the search widens
            // at every frame a magazine is awaited); a hit point dealt counts
            // for far more, and so do the first rounds of a magazine picked
            // up. Damage dealt, not hit points left: a second form arriving
            // at full strength is no step back.
            // Standing inside a boss that cannot touch her yet (a form still
            // fading in) ends the path the moment it can: that ranks below
            // a hundred hit points dealt.
            const long inside = view.insideBoss ? 200000L : 0L;
            // Without a spare magazine, the way to the nearest one counts
            // (a screen's width as much as a hit point and a half): drops
            // come only while she carries none, and fade after five seconds.
            const long fetch = view.ammo < 20 && view.magazineDistance >= 0
                                   ? std::min(view.magazineDistance, 640) * 5L
                                   : 0L;
            return 50000000L + damageDealt_ * 2000L + std::min(view.ammo, 40) * 200L + frame -
                   inside - fetch;
        }
    }
    if (!navigation_.Empty()) {
        // Cells still to go count most; the map x only breaks ties (and
        // ranks places the measure finds no way from).
        const long cells = std::min(navigation_.DistanceAt(view.mapX, view.mapY), 100000);
        return -cells * 128 + view.mapX - frame;
    }
    return static_cast<long>(view.mapX) * 4 - frame;
}

void ForkSearch::Register(int slot) {
    PoolNode& node = shared_->pool[slot];
    const StageView view = LookAtStage();
    node.frame = static_cast<int>(plan_.size());
    node.score = Score(view);
    node.damage = damageDealt_;
    const int parts[] = {view.mapX >> 4,  view.mapY >> 4, view.jumpState,
                         view.facingLeft, damageDealt_,   std::min(view.ammo, 40) / 4,
                         view.bosses,     bossesBeaten_,  view.goalOut ? 1 : 0};
    std::uint64_t key = 1469598103934665603ull;
    for (int p : parts) {
        key = (key ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(p))) * 1099511628211ull;
    }
    node.key = key;
    node.tried = 0;
    const std::uint8_t preferred = PreferredMove();
    node.order[0] = preferred;
    int n = 1;
    for (std::uint8_t move : kMoves) {
        if (move != preferred && n < kMoveCount) {
            node.order[n++] = move;
        }
    }
    node.state = 1;
}

// Forks the copy that is to fill the slot `target`. When that fails the slot
// is freed and the coordinator told, so that it moves on.
pid_t ForkSearch::ForkInto(int target) {
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        shared_->pool[target].state = 0;
        sem_post(&shared_->done);
    }
    return child;
}

void ForkSearch::Serve(int slot) {
    for (;;) {
        PoolNode& node = shared_->pool[slot];
        WaitForCommand(&node.wake, shared_->coordinator);
        const int command = node.command;
        if (command < 0) {
            sem_post(&shared_->left);
            _exit(0);
        }
        const pid_t child = ForkInto(command >> 8);
        if (child == 0) {
            Expand(command & 0xff, command >> 8);
        }
    }
}

void ForkSearch::Expand(std::uint8_t move, int target) {
    ++shared_->nodes;
    const StageView before = LookAtStage();
    const Outcome outcome = PlaySegment(move);
    const StageView after = LookAtStage();
    if (before.bosses > 0 && after.bosses == 0) {
        ++bossesBeaten_;
    }
    // Hit points taken from the bosses on stage; a boss that has just
    // appeared (a second form) adds none.
    if (after.bosses <= before.bosses && before.bossHp > after.bossHp) {
        damageDealt_ += before.bossHp - after.bossHp;
        lastDamageFrame_ = static_cast<int>(plan_.size());
    }
    // The clock for that starts when a boss comes or goes.
    if (after.bosses != before.bosses) {
        lastDamageFrame_ = static_cast<int>(plan_.size());
    }
    // A path that stays armed beside a boss without hurting it only
    // postpones: give it up, as a stage path that makes no headway. (A beam
    // needs no such rule: paths of the same age compete on damage anyway.)
    const int sinceDamage = static_cast<int>(plan_.size()) - lastDamageFrame_;
    const bool idle = settings_.beamWidth == 0 && after.bosses > 0 && after.ammo > 0 &&
                      sinceDamage > settings_.fightStallFrames;
    waitRun_ = move == 0 ? waitRun_ + 1 : 0;
    if (outcome == Outcome::Goal) {
        Publish(true);
    }
    if (outcome != Outcome::Alive || idle || SeenBefore()) {
        shared_->pool[target].state = 0;
        sem_post(&shared_->done);
        _exit(0);
    }
    const StageView view = LookAtStage();
    const long score = Score(view);
    if (score > shared_->bestScore) {
        shared_->bestScore = score;
        shared_->bestMapX = view.mapX;
        Publish(false);
        if (settings_.verbose) {
            Say("  map x %d y %d, boss hp %d, at frame %zu after %ld segments\n", view.mapX,
                view.mapY, view.bossHp, plan_.size(), shared_->nodes);
        }
    }
    if (++generations_ >= kRebuildGenerations) {
        // The root replays this path into a fresh copy, which takes the slot
        // and reports done.
        Rebuild& rebuild = shared_->rebuild;
        rebuild.target = target;
        rebuild.eventTick = eventTick_;
        rebuild.waitRun = waitRun_;
        rebuild.bossesBeaten = bossesBeaten_;
        rebuild.damageDealt = damageDealt_;
        rebuild.lastDamageFrame = lastDamageFrame_;
        rebuild.fight = RememberFight();
        rebuild.planLength = std::min<int>(static_cast<int>(plan_.size()), kMaxPlan);
        std::memcpy(rebuild.plan, plan_.data(), rebuild.planLength);
        shared_->rootCommand = 1;
        sem_post(&shared_->rootWake);
        _exit(0);
    }
    Register(target);
    sem_post(&shared_->done);
    Serve(target);
}

void ForkSearch::ServeRebuilds() {
    for (;;) {
        WaitForCommand(&shared_->rootWake, shared_->coordinator);
        if (shared_->rootCommand < 0) {
            _exit(0);
        }
        const pid_t child = ForkInto(shared_->rebuild.target);
        if (child == 0) {
            const Rebuild& rebuild = shared_->rebuild;
            for (int i = static_cast<int>(plan_.size()); i < rebuild.planLength; ++i) {
                Step(rebuild.plan[i]);
            }
            eventTick_ = rebuild.eventTick;
            waitRun_ = rebuild.waitRun;
            bossesBeaten_ = rebuild.bossesBeaten;
            damageDealt_ = rebuild.damageDealt;
            lastDamageFrame_ = rebuild.lastDamageFrame;
            RestoreFight(rebuild.fight);
            generations_ = 0;
            const int target = rebuild.target;
            Register(target);
            sem_post(&shared_->done);
            Serve(target);
        }
    }
}

void ForkSearch::StartSnapshots() {
    // Snapshots are never waited for: the system reaps them.
    std::signal(SIGCHLD, SIG_IGN);
    shared_->coordinator = getpid();
    const pid_t root = fork();
    if (root < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (root == 0) {
        ServeRebuilds();
    }
    Register(0);
    const pid_t first = fork();
    if (first < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (first == 0) {
        Serve(0);
    }
}

void ForkSearch::Leave(int slot) {
    PoolNode& node = shared_->pool[slot];
    node.command = -1;
    sem_post(&node.wake);
    // The slot is free only once its snapshot has taken that word: a new
    // snapshot in the slot would otherwise take it in its place and leave,
    // and the old one would serve the new one's tries from the wrong game.
    // (A snapshot that died instead never answers: give it ten seconds.)
    timespec until{};
    clock_gettime(CLOCK_REALTIME, &until);
    until.tv_sec += 10;
    while (sem_timedwait(&shared_->left, &until) < 0 && errno == EINTR) {
    }
    node.state = 0;
}

void ForkSearch::StopSnapshots() {
    for (int i = 0; i < kPool; ++i) {
        if (shared_->pool[i].state == 1) {
            Leave(i);
        }
    }
    shared_->rootCommand = -1;
    sem_post(&shared_->rootWake);
    std::signal(SIGCHLD, SIG_DFL);
}

void ForkSearch::Coordinate() {
    StartSnapshots();
    PoolNode* pool = shared_->pool;
    auto leave = [&](int slot) { Leave(slot); };
    while (!Finished()) {
        int best = -1;
        int worst = -1;
        int free = -1;
        for (int i = 0; i < kPool; ++i) {
            if (pool[i].state == 0) {
                free = free < 0 ? i : free;
                continue;
            }
            if (pool[i].state != 1) {
                continue;
            }
            if (pool[i].tried < kMoveCount &&
                (best < 0 || pool[i].score > pool[best].score ||
                 (pool[i].score == pool[best].score && pool[i].frame < pool[best].frame))) {
                best = i;
            }
            if (worst < 0 || pool[i].score < pool[worst].score) {
                worst = i;
            }
        }
        if (best < 0) {
            break; // every snapshot has been tried every way
        }
        if (settings_.verbose && shared_->nodes % 2000 == 0) {
            Say("  %ld segments: expanding frame %d, damage %d\n", shared_->nodes, pool[best].frame,
                pool[best].damage);
        }
        if (free < 0) {
            if (worst == best) {
                break;
            }
            leave(worst);
            free = worst;
        }
        pool[free].state = 2;
        const std::uint8_t move = pool[best].order[pool[best].tried++];
        pool[best].command = move | (free << 8);
        sem_post(&pool[best].wake);
        WaitOn(&shared_->done);
        if (pool[best].tried >= kMoveCount && pool[best].state == 1) {
            leave(best);
        }
    }
    StopSnapshots();
}

void ForkSearch::CoordinateBeam() {
    StartSnapshots();
    PoolNode* pool = shared_->pool;
    // A generation and all its children must fit in the pool at once.
    const int width = std::max(1, std::min(settings_.beamWidth, kPool / (kMoveCount + 1)));
    std::vector<int> generation = {0};
    for (int age = 1; !generation.empty(); ++age) {
        std::vector<int> children;
        for (const int parent : generation) {
            for (int m = 0; m < kMoveCount; ++m) {
                if (Finished()) {
                    break;
                }
                int free = 0;
                while (free < kPool && pool[free].state != 0) {
                    ++free;
                }
                pool[free].state = 2;
                pool[parent].command = pool[parent].order[m] | (free << 8);
                sem_post(&pool[parent].wake);
                WaitOn(&shared_->done);
                if (pool[free].state == 1) {
                    children.push_back(free);
                }
            }
            Leave(parent);
        }
        if (Finished()) {
            break;
        }
        std::stable_sort(children.begin(), children.end(),
                         [pool](int a, int b) { return pool[a].score > pool[b].score; });
        std::vector<int> next;
        std::vector<std::uint64_t> keys;
        for (const int child : children) {
            const bool repeated =
                std::find(keys.begin(), keys.end(), pool[child].key) != keys.end();
            if (static_cast<int>(next.size()) < width && !repeated) {
                next.push_back(child);
                keys.push_back(pool[child].key);
            } else {
                Leave(child);
            }
        }
        generation = std::move(next);
        if (settings_.verbose && !generation.empty() && age % 25 == 0) {
            const PoolNode& best = pool[generation.front()];
            Say("  generation %d: %zu paths, the best at frame %d, damage %d\n", age,
                generation.size(), best.frame, best.damage);
        }
    }
    StopSnapshots();
}

} // namespace autoplay
