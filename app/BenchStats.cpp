#include "app/BenchStats.h"

#include <algorithm>
#include <boost/format.hpp>
#include <chrono>
#include <ctime>

BenchStats::BenchStats(std::uint64_t startMicros)
    : start_(startMicros), histogram_(kBuckets + 1, 0) {}

std::uint64_t BenchStats::NowMicros() {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

double BenchStats::ProcessorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void BenchStats::FramePresented(std::uint64_t nowMicros, double processorSeconds) {
    lastCpu_ = processorSeconds;
    if (frames_ == 0) {
        firstCpu_ = processorSeconds;
        first_ = nowMicros;
    } else {
        const std::uint64_t took = nowMicros - last_;
        ++histogram_[std::min<std::uint64_t>(took / kBucketMicros, kBuckets)];
    }
    last_ = nowMicros;
    ++frames_;
}

double BenchStats::MeanFramesPerSecond() const {
    if (frames_ < 2 || last_ == first_) {
        return 0.0;
    }
    return static_cast<double>(frames_ - 1) * 1e6 / static_cast<double>(last_ - first_);
}

double BenchStats::FramesPerProcessorSecond() const {
    if (frames_ < 2 || !(lastCpu_ > firstCpu_)) {
        return 0.0;
    }
    return static_cast<double>(frames_ - 1) / (lastCpu_ - firstCpu_);
}

double BenchStats::PercentileMs(double fraction) const {
    // Frame times are the gaps between presented frames: one fewer than frames.
    const std::uint64_t gaps = frames_ > 1 ? static_cast<std::uint64_t>(frames_ - 1) : 0;
    if (gaps == 0) {
        return 0.0;
    }
    // The smallest time that at least this share of the gaps does not exceed.
    const double wanted = std::max(1.0, fraction * static_cast<double>(gaps));
    std::uint64_t seen = 0;
    for (std::size_t i = 0; i < histogram_.size(); ++i) {
        seen += histogram_[i];
        if (static_cast<double>(seen) >= wanted - 1e-9) {
            // The bucket's upper edge: a frame time is never understated.
            return static_cast<double>((i + 1) * kBucketMicros) / 1000.0;
        }
    }
    return static_cast<double>(kBuckets * kBucketMicros) / 1000.0;
}

double BenchStats::FirstFrameMs() const {
    if (frames_ == 0) {
        return -1.0;
    }
    return static_cast<double>(first_ - start_) / 1000.0;
}

std::string BenchStats::Summary(long long quads, double pixels) const {
    const double perFrame = frames_ > 0 ? 1.0 / frames_ : 0.0;
    return (boost::format("bench: %d frames drawn, %.1f frames/s mean, %.1f frames per processor "
                          "second, frame time p50 %.2f ms, "
                          "p99 %.2f ms, first frame %.0f ms after start, %.1f quads and %.0f "
                          "pixels a frame\n") %
            frames_ % MeanFramesPerSecond() % FramesPerProcessorSecond() % PercentileMs(0.5) %
            PercentileMs(0.99) % FirstFrameMs() % (static_cast<double>(quads) * perFrame) %
            (pixels * perFrame))
        .str();
}
