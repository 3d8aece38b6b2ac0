#include "lib/Pacing.h"

#include <boost/format.hpp>

namespace vrels {

bool IsSixtyHertz(int refreshRate) {
    return refreshRate >= 59 && refreshRate <= 61;
}

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
            d.logLines.push_back((boost::format("\tビデオモード 640×480 %dbpp "
                                                "%dHzが見つかりました。VSYNCモードで起動します\n") %
                                  colourBits % 60)
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
            d.logLines.push_back("\t現在のディプレイが60Hzです。VSYNCモードで起動します\n");
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
