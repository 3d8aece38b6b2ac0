#pragma once

#include <cstdint>

namespace sfxgen {

// Our own small generator (xorshift32 with a splitmix-style seed scramble), so
// that an effect renders to the same bytes on every machine and compiler.
class NoiseGenerator {
public:
    explicit NoiseGenerator(std::uint32_t seed) {
        std::uint32_t z = seed + 0x9e3779b9u;
        z = (z ^ (z >> 16)) * 0x85ebca6bu;
        z = (z ^ (z >> 13)) * 0xc2b2ae35u;
        z ^= z >> 16;
        state_ = z != 0 ? z : 0x6d2b79f5u; // xorshift must never hold zero
    }

    std::uint32_t NextBits() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform in [-1, 1).
    double NextBipolar() { return (NextBits() >> 8) * (2.0 / 16777216.0) - 1.0; }

private:
    std::uint32_t state_;
};

} // namespace sfxgen
