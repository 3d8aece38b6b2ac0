#pragma once
// Frame pacing decisions and the 17 ms timer, kept free of any device so that
// they can be tested on their own.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vrels {

enum PacingMode { PacingNoWait = 0, PacingVSync = 1, PacingTimer = 2 };

struct PacingDecision {
    PacingMode mode = PacingTimer;
    std::vector<std::string> logLines; // exact log text, in order
};

// fullScreen and waitEnabled come from the settings and the command line;
// refreshRate is the display's rate (0 when unknown); vsyncSetting is the
// "Vsync" key: "0" turns retrace waiting off, leaving the 17 ms timer.
PacingDecision DecidePacing(bool fullScreen, int waitEnabled, int colourBits, int refreshRate,
                            const std::string& vsyncSetting);

// A display running between 59 and 61 Hz counts as 60 Hz (a 59.94 Hz panel
// reports 59); the log line of such a start names the rate and the band.
bool IsSixtyHertz(int refreshRate);

// Keeps a steady 17 ms cadence: a late frame is not made up.
class FrameTimer {
public:
    using Clock = std::function<std::uint32_t()>;
    using Sleeper = std::function<void(int)>;
    FrameTimer(Clock clock, Sleeper sleeper)
        : clock_(std::move(clock)), sleep_(std::move(sleeper)) {}
    void Wait();
    std::uint32_t LastFrame() const { return last_; }

private:
    Clock clock_;
    Sleeper sleep_;
    std::uint32_t last_ = 0;
};

} // namespace vrels
