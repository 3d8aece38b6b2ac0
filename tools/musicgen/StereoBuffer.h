#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace musicgen {

// Rendered audio as two float channels of equal length, full scale at 1.0.
struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(int64_t frames = 0)
        : left(static_cast<std::size_t>(frames)), right(static_cast<std::size_t>(frames)) {}
    int64_t Frames() const { return static_cast<int64_t>(left.size()); }
};

// A run of frames [begin, end) of a buffer.
struct FrameRange {
    int64_t begin = 0;
    int64_t end = 0;
    int64_t Frames() const { return end - begin; }
};

} // namespace musicgen
