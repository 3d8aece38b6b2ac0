// vrels-mapc: compiles text map sources into the game's .tm2 maps and prints
// .tm2 maps back as text.
//
//   vrels-mapc SOURCE -o FILE.tm2
//   vrels-mapc --dump FILE.tm2 [-o FILE]

#include <cstdio>
#include <string>
#include <vector>

#include "tools/mapc/FileIo.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Options {
    bool dump = false;
    std::string input;
    std::string output;
};

void PrintUsage(std::FILE* stream) {
    std::fputs("usage: vrels-mapc SOURCE -o FILE.tm2\n"
               "       vrels-mapc --dump FILE.tm2 [-o FILE]\n"
               "Compiles a text map into a .tm2 map, or prints a .tm2 map as text\n"
               "(to standard output unless -o is given).\n",
               stream);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dump") {
            options.dump = true;
        } else if (arg == "-o") {
            if (i + 1 >= argc || !options.output.empty()) {
                return false;
            }
            options.output = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return false;
        } else if (options.input.empty()) {
            options.input = arg;
        } else {
            return false;
        }
    }
    return !options.input.empty() && (options.dump || !options.output.empty());
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Compile(const Options& options) {
    std::vector<std::uint8_t> source;
    std::string error;
    if (!mapc::ReadWholeFile(options.input, source, error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return kExitFailed;
    }
    mapc::Diagnostics diagnostics(options.input);
    const auto map = mapc::ParseMapSource(std::string(source.begin(), source.end()), diagnostics);
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        std::fprintf(stderr, "%s\n", diagnostics.Format(entry).c_str());
    }
    if (!map) {
        return kExitFailed;
    }
    if (!mapc::WriteWholeFile(options.output, mapc::EncodeTm2(*map), error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int Dump(const Options& options) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!mapc::ReadWholeFile(options.input, bytes, error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return kExitFailed;
    }
    const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    for (const std::string& warning : decoded.warnings) {
        std::fprintf(stderr, "%s: warning: %s\n", options.input.c_str(), warning.c_str());
    }
    if (!decoded.ok) {
        std::fprintf(stderr, "%s: error: %s\n", options.input.c_str(), decoded.error.c_str());
        return kExitFailed;
    }
    const std::string text = mapc::WriteMapSource(decoded.map, BaseName(options.input));
    if (options.output.empty()) {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
            std::fflush(stdout) != 0) {
            std::fprintf(stderr, "vrels-mapc: cannot write to standard output\n");
            return kExitFailed;
        }
        return kExitOk;
    }
    if (!mapc::WriteWholeFile(options.output, std::vector<std::uint8_t>(text.begin(), text.end()),
                              error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        PrintUsage(stdout);
        return kExitOk;
    }
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    return options.dump ? Dump(options) : Compile(options);
}
