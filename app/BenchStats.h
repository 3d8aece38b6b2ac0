#pragma once
// Frame statistics of a benchmark run: how many frames were presented, how
// fast, and how evenly. Frame times go into a fixed histogram, so recording a
// frame never allocates, however long the run.
#include <cstdint>
#include <string>
#include <vector>

class BenchStats {
public:
    // startMicros: when the program started, on the same clock as the frames.
    explicit BenchStats(std::uint64_t startMicros);

    // One frame was presented at this time, when the program had used this
    // much processor time (all threads, the renderer's included).
    void FramePresented(std::uint64_t nowMicros, double processorSeconds = 0.0);

    int FramesDrawn() const { return frames_; }
    // Frames a second between the first and the last presented frame.
    double MeanFramesPerSecond() const;
    // Frames per second of processor time over the same span: what a frame
    // costs, whatever else the machine was doing.
    double FramesPerProcessorSecond() const;
    // The frame time (milliseconds) that this fraction of frames does not exceed.
    double PercentileMs(double fraction) const;
    // Milliseconds from the start to the first presented frame; -1 before it.
    double FirstFrameMs() const;
    // One line for standard output and the log; quads and pixels are the
    // totals the renderer drew over the run.
    std::string Summary(long long quads, double pixels) const;

    // A steady clock in microseconds for the callers.
    static std::uint64_t NowMicros();
    // Processor time used by the program so far, in seconds.
    static double ProcessorSeconds();

private:
    static constexpr std::uint64_t kBucketMicros = 10;
    static constexpr std::size_t kBuckets = 100000; // 10 us steps up to one second
    std::uint64_t start_;
    std::uint64_t first_ = 0;
    std::uint64_t last_ = 0;
    double firstCpu_ = 0;
    double lastCpu_ = 0;
    int frames_ = 0;
    std::vector<std::uint32_t> histogram_; // the last bucket takes everything longer
};
