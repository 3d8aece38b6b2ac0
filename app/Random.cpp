#include "app/Random.h"

namespace vrels {

namespace {
std::uint32_t g_randState = 0;
constexpr std::uint64_t Mask48 = (std::uint64_t(1) << 48) - 1;
} // namespace

void srand(std::uint32_t seed) {
    g_randState = seed;
}

int rand() {
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & 0x7fff);
}

void Drand48::Seed(long seed) {
    state_ = ((static_cast<std::uint64_t>(seed) << 16) + 13070u) & Mask48;
}

float Drand48::Next() {
    for (;;) {
        state_ = (state_ * 25214903917ull + 11u) & Mask48;
        const auto bits = static_cast<std::uint32_t>(state_ >> 17);
        const float u = static_cast<float>(bits) * (1.0f / 2147483648.0f);
        if (u < 1.0f) {
            return u;
        }
    }
}

} // namespace vrels
