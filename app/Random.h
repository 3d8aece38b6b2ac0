#pragma once
// The game's own pseudo-random generators. Play must repeat exactly under a
// replay, so nothing here depends on the C library's generator.
#include <cstdint>

namespace vrels {

// The runtime-style generator behind visual randomness and the attract demo:
// a 32-bit linear congruential state; rand() returns 0..32767.
constexpr int RandMax = 32767;
void srand(std::uint32_t seed);
int rand();

// 48-bit linear congruential generator of the drand48 family. Every owner holds
// its own copy so that one object's draws never shift another's.
class Drand48 {
public:
    explicit Drand48(long seed = 0) { Seed(seed); }
    void Seed(long seed);
    // Uniform in [0, 1).
    float Next();
    std::uint64_t State() const { return state_; }

private:
    std::uint64_t state_ = 0;
};

} // namespace vrels
