#include "tools/ceiling/CeilingOptions.h"

#include <cstdlib>

namespace vrels::ceiling {

namespace {
bool ParseNumber(const std::string& text, double low, double* value) {
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(parsed >= low)) {
        return false;
    }
    *value = parsed;
    return true;
}
} // namespace

std::string CeilingUsage() {
    return "usage: vrels-ceiling [--quads N] [--size PIXELS] [--seconds S] [--linear]\n"
           "                     [--no-backdrop]\n"
           "Draws N textured quads a frame (the first an opaque 640 x 480 backdrop, the\n"
           "others alpha-blended squares) through the game's renderer settings and\n"
           "prints the frames a second it reaches.\n";
}

bool ParseCeilingArguments(const std::vector<std::string>& args, CeilingOptions* options,
                           std::string* error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--linear") {
            options->nearest = false;
            continue;
        }
        if (a == "--no-backdrop") {
            options->opaqueFirst = false;
            continue;
        }
        if (i + 1 >= args.size()) {
            *error = a == "--quads" || a == "--size" || a == "--seconds"
                         ? a + " needs a value"
                         : "unknown option \"" + a + "\"";
            return false;
        }
        const std::string& v = args[++i];
        double number = 0;
        if (a == "--quads" && ParseNumber(v, 1, &number)) {
            options->quads = static_cast<int>(number);
        } else if (a == "--size" && ParseNumber(v, 1, &number)) {
            options->size = static_cast<int>(number);
        } else if (a == "--seconds" && ParseNumber(v, 0.1, &number)) {
            options->seconds = number;
        } else if (a == "--quads" || a == "--size" || a == "--seconds") {
            *error = a + " needs a positive number, got \"" + v + "\"";
            return false;
        } else {
            *error = "unknown option \"" + a + "\"";
            return false;
        }
    }
    return true;
}

} // namespace vrels::ceiling
