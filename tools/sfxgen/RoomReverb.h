#pragma once

#include <cstddef>
#include <vector>

namespace sfxgen {

// A small mono room: parallel damped comb filters followed by all-pass
// diffusers. Gives effects a shared sense of space without long washes.
class RoomReverb {
public:
    // roomSize and damping are 0..1.
    RoomReverb(double roomSize, double damping);

    // Returns the wet signal for one input sample.
    double Process(double input);

private:
    struct Comb {
        std::vector<double> line;
        std::size_t pos = 0;
        double filterState = 0.0;
    };
    struct AllPass {
        std::vector<double> line;
        std::size_t pos = 0;
    };

    std::vector<Comb> combs_;
    std::vector<AllPass> allPasses_;
    double feedback_;
    double damping_;
};

} // namespace sfxgen
