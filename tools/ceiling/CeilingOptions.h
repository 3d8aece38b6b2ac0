#pragma once
// Command line of the renderer ceiling instrument.
#include <string>
#include <vector>

namespace vrels::ceiling {

struct CeilingOptions {
    int quads = 120;         // quads drawn a frame
    int size = 64;           // side of each quad in pixels
    double seconds = 5.0;    // length of the measurement, after one warm-up second
    bool nearest = true;     // nearest sampling (quads sit on whole pixels, unscaled)
    bool opaqueFirst = true; // the first quad is an opaque full-screen backdrop
};

// False with a message on a bad command line.
bool ParseCeilingArguments(const std::vector<std::string>& args, CeilingOptions* options,
                           std::string* error);
std::string CeilingUsage();

} // namespace vrels::ceiling
