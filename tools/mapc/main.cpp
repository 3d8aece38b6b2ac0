// vrels-mapc: compiles text map sources into the game's .tm2 maps, prints
// .tm2 maps back as text, and converts maps to and from the TMX files of a
// tile editor.
//
//   vrels-mapc SOURCE -o FILE.tm2
//   vrels-mapc --dump FILE [-o FILE]
//   vrels-mapc --tmx FILE -o FILE.tmx [--tileset-image PATH] [--sheet FILE.tga]
//
// Inputs are read by their ending: ".tmx" is an editor map, ".map" a text
// source, ".tm2" a compiled map. Any other ending is a compiled map for
// --dump and a text source otherwise.
//
// A TMX file refers to the chip sheet as a PNG picture (mapchip.png beside it
// unless --tileset-image names another), and --tmx writes that PNG from the
// game's TGA sheet (--sheet, by default the build's game folder's).

#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tools/mapc/FileIo.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/SheetPng.h"
#include "tools/mapc/Tm2File.h"
#include "tools/mapc/TmxFile.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

enum class Mode { Compile, Dump, Tmx };

struct Options {
    Mode mode = Mode::Compile;
    std::string input;
    std::string output;
    std::string tilesetImage = "mapchip.png";
    std::string sheet = VRELS_DEFAULT_SHEET;
};

void PrintUsage(std::FILE* stream) {
    std::fputs(
        "usage: vrels-mapc SOURCE -o FILE.tm2\n"
        "       vrels-mapc --dump FILE [-o FILE]\n"
        "       vrels-mapc --tmx FILE -o FILE.tmx [--tileset-image PATH] [--sheet FILE.tga]\n"
        "Compiles a text or TMX map into a .tm2 map, prints any map as text\n"
        "(to standard output unless -o is given), or writes any map as a TMX\n"
        "file for a tile editor. Inputs are read by their ending: .tmx, .map\n"
        "(source text) or .tm2; --dump reads other endings as .tm2, the other\n"
        "modes as source text. --tileset-image names the chip\n"
        "sheet picture as the TMX file refers to it (default mapchip.png, beside\n"
        "it); a .png name gets a PNG copy of the game's sheet, --sheet "
        "(default\n" VRELS_DEFAULT_SHEET ").\n",
        stream);
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dump" || arg == "--tmx") {
            if (options.mode != Mode::Compile) {
                return false;
            }
            options.mode = arg == "--dump" ? Mode::Dump : Mode::Tmx;
        } else if (arg == "--tileset-image" || arg == "--sheet") {
            if (i + 1 >= argc) {
                return false;
            }
            (arg == "--sheet" ? options.sheet : options.tilesetImage) = argv[++i];
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
    return !options.input.empty() && (options.mode == Mode::Dump || !options.output.empty());
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool IsPngName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return EndsWith(lower, ".png");
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void PrintDiagnostics(const mapc::Diagnostics& diagnostics) {
    for (const mapc::Diagnostic& entry : diagnostics.All()) {
        std::fprintf(stderr, "%s\n", diagnostics.Format(entry).c_str());
    }
}

enum class InputKind { Source, Compiled, Tmx };

InputKind KindOfInput(const Options& options) {
    if (EndsWith(options.input, ".tmx")) {
        return InputKind::Tmx;
    }
    if (EndsWith(options.input, ".map")) {
        return InputKind::Source;
    }
    if (EndsWith(options.input, ".tm2") || options.mode == Mode::Dump) {
        return InputKind::Compiled;
    }
    return InputKind::Source;
}

// Reads a map in any of the three forms, reporting every problem.
std::optional<mapc::TileMap> LoadMap(const std::string& path, InputKind kind) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!mapc::ReadWholeFile(path, bytes, error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return std::nullopt;
    }
    if (kind == InputKind::Compiled) {
        mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
        for (const std::string& warning : decoded.warnings) {
            std::fprintf(stderr, "%s: warning: %s\n", path.c_str(), warning.c_str());
        }
        if (!decoded.ok) {
            std::fprintf(stderr, "%s: error: %s\n", path.c_str(), decoded.error.c_str());
            return std::nullopt;
        }
        return std::move(decoded.map);
    }
    mapc::Diagnostics diagnostics(path);
    std::optional<mapc::TileMap> map;
    const std::string text(bytes.begin(), bytes.end());
    if (kind == InputKind::Tmx) {
        const std::string folder = FolderOf(path);
        map = mapc::ReadTmx(text, diagnostics, [&](const std::string& name, std::string& out) {
            std::vector<std::uint8_t> tileset;
            std::string ignored;
            const std::string full = !name.empty() && name[0] == '/' ? name : folder + name;
            if (!mapc::ReadWholeFile(full, tileset, ignored)) {
                return false;
            }
            out.assign(tileset.begin(), tileset.end());
            return true;
        });
    } else {
        map = mapc::ParseMapSource(text, diagnostics);
    }
    PrintDiagnostics(diagnostics);
    return map;
}

bool WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (!mapc::WriteWholeFile(path, bytes, error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return false;
    }
    return true;
}

bool WriteText(const std::string& path, const std::string& text) {
    if (!path.empty()) {
        return WriteOutput(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vrels-mapc: cannot write to standard output\n");
        return false;
    }
    return true;
}

// The PNG copy of the chip sheet that the TMX file refers to, where it refers
// to it (relative names from the TMX file's folder). Another kind of picture
// is the user's own choice and gets no copy.
bool WriteSheetCopy(const Options& options) {
    if (!IsPngName(options.tilesetImage)) {
        return true;
    }
    const std::string png = options.tilesetImage[0] == '/'
                                ? options.tilesetImage
                                : FolderOf(options.output) + options.tilesetImage;
    std::string error;
    if (!mapc::WriteSheetPng(options.sheet, png, error)) {
        std::fprintf(stderr, "vrels-mapc: %s\n", error.c_str());
        return false;
    }
    return true;
}

int Run(const Options& options) {
    const std::optional<mapc::TileMap> map = LoadMap(options.input, KindOfInput(options));
    if (!map) {
        return kExitFailed;
    }
    bool written = false;
    switch (options.mode) {
    case Mode::Compile: {
        // Only what reads back under the game's rules is written.
        const std::vector<std::uint8_t> image = mapc::EncodeTm2(*map);
        const mapc::DecodeResult check = mapc::DecodeTm2(image);
        if (!check.ok) {
            std::fprintf(stderr, "%s: error: %s\n", options.input.c_str(), check.error.c_str());
            return kExitFailed;
        }
        written = WriteOutput(options.output, image);
        break;
    }
    case Mode::Dump:
        written = WriteText(options.output, mapc::WriteMapSource(*map, BaseName(options.input)));
        break;
    case Mode::Tmx:
        written = WriteText(options.output, mapc::WriteTmx(*map, options.tilesetImage)) &&
                  WriteSheetCopy(options);
        break;
    }
    return written ? kExitOk : kExitFailed;
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
    return Run(options);
}
