#pragma once

#include <string>

namespace musicgen {

// How a composition is cut, read from its ABC source: the meter from the first
// "M:" field and the "%vrels" comment directives, e.g.
//   %vrels intro-bars 8    bars before the loop starts (0: the piece loops from its start)
//   %vrels loop-bars 32    bars in the loop (0: the piece plays once)
//   %vrels tail 2.5        seconds kept after the last note of a piece that plays once
//   %vrels fade 1.0        seconds of fade-out at the end of a piece that plays once
//   %vrels join 0.05       seconds over which each file's end blends into its seam
struct PieceLayout {
    int meterNumerator = 4;
    int meterDenominator = 4;
    int introBars = 0;
    int loopBars = 0;
    double tailSeconds = 2.5;
    double fadeSeconds = 1.0;
    double joinSeconds = 0.05;
    std::string title;

    bool Loops() const { return loopBars > 0; }
    // Length of one bar in MIDI ticks.
    long long BarTicks(int ticksPerQuarter) const {
        return 4LL * ticksPerQuarter * meterNumerator / meterDenominator;
    }
};

// Throws std::runtime_error naming the file and line when a directive is malformed.
PieceLayout ReadPieceLayout(const std::string& abcPath);

} // namespace musicgen
