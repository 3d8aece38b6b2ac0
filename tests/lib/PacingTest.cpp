#include "lib/Pacing.h"

#include <gtest/gtest.h>

using namespace vrels;

TEST(Pacing, DecisionsFollowModeWaitAndRefresh) {
    EXPECT_EQ(DecidePacing(false, 1, 32, 60, "1").mode, PacingVSync);
    EXPECT_EQ(DecidePacing(false, 1, 32, 59, "1").mode, PacingVSync);
    EXPECT_EQ(DecidePacing(false, 1, 32, 75, "1").mode, PacingTimer);
    EXPECT_EQ(DecidePacing(false, 0, 32, 60, "1").mode, PacingNoWait);
    EXPECT_EQ(DecidePacing(true, 0, 16, 60, "1").mode, PacingNoWait);
    EXPECT_EQ(DecidePacing(true, 1, 16, 60, "1").mode, PacingVSync);
    EXPECT_EQ(DecidePacing(true, 1, 16, 144, "1").mode, PacingTimer);
    EXPECT_EQ(DecidePacing(false, 1, 32, 60, "0").mode, PacingTimer) << "Vsync=0 forces the timer";
    const auto windowed = DecidePacing(false, 1, 32, 60, "1");
    ASSERT_EQ(windowed.logLines.size(), 2u);
    EXPECT_EQ(windowed.logLines[0], "\tウィンドウモード\n");
    const auto full = DecidePacing(true, 1, 16, 50, "1");
    EXPECT_EQ(full.logLines[1],
              "\tビデオモード 640×480 16bpp 60Hzがみつかりません。timerモードで起動します\n");
}

// 59.94 Hz panels report 59: the retrace paces every display from 59 to 61 Hz,
// and the log says when the rate was not exactly 60.
TEST(Pacing, TheRetraceBandRunsFrom59To61HzAndTheLogSaysSo) {
    for (const bool fullScreen : {false, true}) {
        EXPECT_EQ(DecidePacing(fullScreen, 1, 32, 58, "1").mode, PacingTimer);
        EXPECT_EQ(DecidePacing(fullScreen, 1, 32, 59, "1").mode, PacingVSync);
        EXPECT_EQ(DecidePacing(fullScreen, 1, 32, 61, "1").mode, PacingVSync);
        EXPECT_EQ(DecidePacing(fullScreen, 1, 32, 62, "1").mode, PacingTimer);
        EXPECT_EQ(DecidePacing(fullScreen, 1, 32, 0, "1").mode, PacingTimer) << "rate unknown";
    }
    EXPECT_EQ(DecidePacing(false, 1, 32, 60, "1").logLines[1],
              "\t現在のディプレイが60Hzです。VSYNCモードで起動します\n");
    EXPECT_EQ(DecidePacing(false, 1, 32, 59, "1").logLines[1],
              "\t現在のディプレイが59Hzです（59Hzから61Hzまでは60Hzとみなします）。"
              "VSYNCモードで起動します\n");
    EXPECT_EQ(DecidePacing(true, 1, 16, 60, "1").logLines[1],
              "\tビデオモード 640×480 16bpp 60Hzが見つかりました。VSYNCモードで起動します\n");
    EXPECT_EQ(DecidePacing(true, 1, 16, 61, "1").logLines[1],
              "\tビデオモード 640×480 16bpp 61Hzが見つかりました（59Hzから61Hzまでは60Hzと"
              "みなします）。VSYNCモードで起動します\n");
}

TEST(Pacing, TimerKeepsASteadyCadenceAndDoesNotMakeUpLateFrames) {
    std::uint32_t now = 1000;
    int slept = 0;
    FrameTimer timer([&] { return now; },
                     [&](int ms) {
                         now += static_cast<std::uint32_t>(ms);
                         slept += ms;
                     });
    timer.Wait(); // first frame: long since 0, no wait
    EXPECT_EQ(timer.LastFrame(), 1000u);
    now += 5;
    timer.Wait();
    EXPECT_EQ(slept, 12);
    EXPECT_EQ(timer.LastFrame(), 1017u);
    now += 40; // a slow frame
    timer.Wait();
    EXPECT_EQ(timer.LastFrame(), now) << "the mark jumps to the present";
    slept = 0;
    timer.Wait();
    EXPECT_EQ(slept, 17);
}
