// The benchmark's exit statistics: rate, percentiles and start-up time.
#include "app/BenchStats.h"

#include <gtest/gtest.h>

TEST(BenchStats, RatePercentilesAndStartUpComeFromThePresentedFrames) {
    BenchStats stats(1000000);
    EXPECT_EQ(stats.FirstFrameMs(), -1.0);
    EXPECT_EQ(stats.MeanFramesPerSecond(), 0.0);
    std::uint64_t now = 1250000; // first frame 250 ms after the start
    stats.FramePresented(now, 1.0);
    // 98 frames of 10 ms and two slow ones of 40 ms: 100 gaps, 1.06 s, of
    // which the program had the processor for 0.5 s.
    for (int i = 0; i < 100; ++i) {
        now += i < 98 ? 10000 : 40000;
        stats.FramePresented(now, 1.0 + 0.005 * (i + 1));
    }
    EXPECT_EQ(stats.FramesDrawn(), 101);
    EXPECT_DOUBLE_EQ(stats.FirstFrameMs(), 250.0);
    EXPECT_NEAR(stats.MeanFramesPerSecond(), 100.0 / 1.06, 1e-9);
    EXPECT_NEAR(stats.FramesPerProcessorSecond(), 200.0, 1e-6);
    EXPECT_NEAR(stats.PercentileMs(0.5), 10.0, 0.011);
    EXPECT_NEAR(stats.PercentileMs(0.98), 10.0, 0.011);
    EXPECT_NEAR(stats.PercentileMs(0.99), 40.0, 0.011) << "the 99th gap is a slow one";
    const std::string line = stats.Summary(101 * 120, 101 * 400000.0);
    EXPECT_NE(line.find("101 frames drawn"), std::string::npos) << line;
    EXPECT_NE(line.find("p99 40.01 ms"), std::string::npos) << line;
    EXPECT_NE(line.find("120.0 quads"), std::string::npos) << line;
}

TEST(BenchStats, FramesLongerThanASecondAreKeptAtTheTop) {
    BenchStats stats(0);
    stats.FramePresented(0);
    stats.FramePresented(5000000);
    EXPECT_GE(stats.PercentileMs(0.5), 1000.0);
}
