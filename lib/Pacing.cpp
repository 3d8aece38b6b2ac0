#include "lib/Pacing.h"

#include <boost/format.hpp>

namespace vrels {

bool IsSixtyHertz(int refreshRate) {
    return refreshRate >= 59 && refreshRate <= 61;
}

namespace {
// Said in the log when a display near 60 Hz is paced by its retrace: the
// 59.94 Hz panels report 59 and would otherwise fall back to the timer.
std::string BandNote(int refreshRate) {
    return refreshRate == 60 ? std::string() : "（59Hzから61Hzまでは60Hzとみなします）";
}
} // namespace

PacingDecision DecidePacing(bool fullScreen, int waitEnabled, int colourBits, int refreshRate,
                            const std::string& vsyncSetting) {
    PacingDecision d;
    const bool retraceAllowed = vsyncSetting != "0";
    if (fullScreen) {
        d.logLines.push_back("\tフルスクリーンモード\n");
        if (waitEnabled != 1) {
            d.logLines.push_back("\tnowaitモードで起動します\n");
            d.mode = PacingNoWait;
        } else if (IsSixtyHertz(refreshRate) && retraceAllowed) {
            d.logLines.push_back(
                (boost::format("\tビデオモード 640×480 %dbpp "
                               "%dHzが見つかりました%s。VSYNCモードで起動します\n") %
                 colourBits % refreshRate % BandNote(refreshRate))
                    .str());
            d.mode = PacingVSync;
        } else {
            d.logLines.push_back((boost::format("\tビデオモード 640×480 %dbpp "
                                                "%dHzがみつかりません。timerモードで起動します\n") %
                                  colourBits % 60)
                                     .str());
            d.mode = PacingTimer;
        }
    } else {
        d.logLines.push_back("\tウィンドウモード\n");
        if (waitEnabled == 0) {
            d.mode = PacingNoWait;
            d.logLines.push_back("\tnowaitモードで起動します\n");
        } else if (IsSixtyHertz(refreshRate) && retraceAllowed) {
            d.logLines.push_back(
                (boost::format("\t現在のディプレイが%dHzです%s。VSYNCモードで起動します\n") %
                 refreshRate % BandNote(refreshRate))
                    .str());
            d.mode = PacingVSync;
        } else {
            d.logLines.push_back(
                "\t現在のディプレイが60Hzではありません。timerモードで起動します\n");
            d.mode = PacingTimer;
        }
    }
    return d;
}

void FrameTimer::Wait() {
    const std::uint32_t now = clock_();
    if (now - last_ >= 17u) {
        last_ = now;
        return;
    }
    while (clock_() - last_ < 17u) {
        sleep_(1);
    }
    last_ += 17u;
}

} // namespace vrels
