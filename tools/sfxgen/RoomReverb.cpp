#include "tools/sfxgen/RoomReverb.h"

namespace sfxgen {
namespace {

// Mutually prime delay lengths in samples at 44100 Hz for a room a few metres
// across; the room size scales them.
constexpr int kCombDelays[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPassDelays[] = {556, 441, 341, 225};
constexpr double kAllPassFeedback = 0.5;

} // namespace

RoomReverb::RoomReverb(double roomSize, double damping)
    : feedback_(0.6 + 0.2 * roomSize), damping_(0.05 + 0.6 * damping) {
    const double scale = 0.35 + 0.65 * roomSize;
    for (int delay : kCombDelays) {
        Comb comb;
        comb.line.assign(static_cast<std::size_t>(delay * scale) + 1, 0.0);
        combs_.push_back(comb);
    }
    for (int delay : kAllPassDelays) {
        AllPass allPass;
        allPass.line.assign(static_cast<std::size_t>(delay * scale) + 1, 0.0);
        allPasses_.push_back(allPass);
    }
}

double RoomReverb::Process(double input) {
    double wet = 0.0;
    const double scaledInput = input * 0.05;
    for (Comb& comb : combs_) {
        const double delayed = comb.line[comb.pos];
        comb.filterState = delayed * (1.0 - damping_) + comb.filterState * damping_;
        comb.line[comb.pos] = scaledInput + comb.filterState * feedback_;
        comb.pos = (comb.pos + 1) % comb.line.size();
        wet += delayed;
    }
    for (AllPass& allPass : allPasses_) {
        const double delayed = allPass.line[allPass.pos];
        allPass.line[allPass.pos] = wet + delayed * kAllPassFeedback;
        allPass.pos = (allPass.pos + 1) % allPass.line.size();
        wet = delayed - wet;
    }
    return wet;
}

} // namespace sfxgen
