#include "tools/autoplay/ForkSearch.h"

#include "lib/myInput.h"
#include "tools/autoplay/StageProbe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace autoplay {

namespace {
constexpr int kMaxPlan = 16384;
constexpr std::uint64_t kVisitedBits = std::uint64_t(1) << 27;
} // namespace

// Lives in memory shared by every copy of the process.
struct ForkSearch::Shared {
    long nodes = 0;
    int won = 0;
    int bestMapX = -1;
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
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (child == 0) {
        Explore(start.mapX, static_cast<int>(plan_.size()));
        _exit(0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    SearchResult result;
    result.found = shared_->won != 0;
    result.nodes = shared_->nodes;
    result.bestMapX = shared_->bestMapX;
    result.buttons.assign(shared_->plan, shared_->plan + shared_->planLength);
    return result;
}

void ForkSearch::Publish(bool goal) {
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
        if (view.goal) {
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
    if (view.goal) {
        return Outcome::Goal;
    }
    return view.inStage && view.alive ? Outcome::Alive : Outcome::Dead;
}

bool ForkSearch::SeenBefore() {
    const StageView v = LookAtStage();
    std::uint64_t key = 1469598103934665603ull;
    const int parts[] = {v.mapX >> 3, v.mapY >> 3, v.jumpState, v.vy,
                         static_cast<int>(plan_.size()) >> 4};
    for (int p : parts) {
        key = (key ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(p))) * 1099511628211ull;
    }
    const std::uint64_t bit = key % kVisitedBits;
    std::uint64_t& word = shared_->visited[bit / 64];
    const std::uint64_t mask = std::uint64_t(1) << (bit % 64);
    const bool seen = (word & mask) != 0;
    word |= mask;
    return seen;
}

void ForkSearch::Explore(int pathBestX, int pathBestFrame) {
    const std::uint8_t R = ButtonRight, L = ButtonLeft, J = ButtonSub, D = ButtonDown;
    std::vector<std::uint8_t> moves = {
        R, static_cast<std::uint8_t>(R | J), 0, J, static_cast<std::uint8_t>(L | J), L, D};
    if (JumpLooksWise()) {
        std::swap(moves[0], moves[1]);
    }
    for (std::uint8_t move : moves) {
        if (shared_->won || shared_->nodes >= settings_.nodeBudget) {
            return;
        }
        ++shared_->nodes;
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t child = fork();
        if (child < 0) {
            std::perror("fork");
            return;
        }
        if (child == 0) {
            const Outcome outcome = PlaySegment(move);
            if (outcome == Outcome::Goal) {
                Publish(true);
                _exit(0);
            }
            if (outcome == Outcome::Dead || SeenBefore()) {
                _exit(1);
            }
            const StageView view = LookAtStage();
            const int frame = static_cast<int>(plan_.size());
            int bestX = pathBestX;
            int bestFrame = pathBestFrame;
            if (view.mapX > bestX) {
                bestX = view.mapX;
                bestFrame = frame;
            }
            if (view.mapX > shared_->bestMapX) {
                shared_->bestMapX = view.mapX;
                Publish(false);
            }
            if (frame - bestFrame > settings_.stallFrames) {
                _exit(1);
            }
            Explore(bestX, bestFrame);
            _exit(shared_->won ? 0 : 1);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

} // namespace autoplay
