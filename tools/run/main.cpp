// vrels-run: the game without a screen, for checks and captures.
#include "app/Runner.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(vrels::RunnerUsage().c_str(), stdout);
        return 0;
    }
    vrels::RunnerOptions options;
    std::string error;
    if (!vrels::ParseRunnerArguments(args, &options, &error)) {
        std::fprintf(stderr, "vrels-run: %s\n(vrels-run --help lists the options and scenes)\n",
                     error.c_str());
        return 2;
    }
    try {
        return vrels::RunHeadless(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vrels-run: %s\n", e.what());
        return 1;
    }
}
