// vrels-artgen: renders the pictures listed in the art manifests into the
// game folder as 32-bit TGA files.
//
//   vrels-artgen --art-dir DIR --game-dir DIR [--stamp FILE --depfile FILE]
//                [--contact-sheet FILE.png] [--preview-dir DIR] [--only OUTPUT]
//                [MANIFEST...]
//   vrels-artgen --icon SVG --size N --png FILE
//
// Without manifest arguments every *.manifest file of the art folder is read.
#include "ContactSheet.h"
#include "IconRender.h"
#include "Manifest.h"
#include "Renderer.h"
#include "SvgLayer.h"
#include "TgaWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Arguments {
    std::string artDir = "content/art";
    std::string gameDir = "game";
    std::string stamp;
    std::string depfile;
    std::string contactSheet;
    std::string previewDir;
    std::string only;
    std::vector<std::string> manifests;
    // --icon: one SVG to one square PNG, no manifests.
    std::string icon;
    int iconSize = 256;
    std::string iconPng;
};

Arguments ParseArguments(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::runtime_error(word + " needs a value");
            }
            return argv[++i];
        };
        if (word == "--art-dir") {
            args.artDir = value();
        } else if (word == "--game-dir") {
            args.gameDir = value();
        } else if (word == "--stamp") {
            args.stamp = value();
        } else if (word == "--depfile") {
            args.depfile = value();
        } else if (word == "--contact-sheet") {
            args.contactSheet = value();
        } else if (word == "--preview-dir") {
            args.previewDir = value();
        } else if (word == "--only") {
            args.only = value();
        } else if (word == "--icon") {
            args.icon = value();
        } else if (word == "--size") {
            const std::string size = value();
            try {
                args.iconSize = std::stoi(size);
            } catch (const std::exception&) {
                throw std::runtime_error("--size needs a number, got " + size);
            }
        } else if (word == "--png") {
            args.iconPng = value();
        } else if (!word.empty() && word[0] == '-') {
            throw std::runtime_error("unknown option " + word);
        } else {
            args.manifests.push_back(word);
        }
    }
    if (!args.icon.empty()) {
        if (args.iconPng.empty()) {
            throw std::runtime_error("--icon needs --png");
        }
        return args;
    }
    if (args.manifests.empty()) {
        for (const auto& entry : std::filesystem::directory_iterator(args.artDir)) {
            if (entry.path().extension() == ".manifest") {
                args.manifests.push_back(entry.path().string());
            }
        }
        std::sort(args.manifests.begin(), args.manifests.end());
    }
    return args;
}

std::string EscapeForDepfile(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#' || c == '$') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::trunc);
    out << text;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

int Run(const Arguments& args) {
    if (!args.icon.empty()) {
        artgen::RenderIconPng(args.icon, args.iconSize, args.iconPng);
        return 0;
    }
    // Folders named for output exist before anything is rendered, so a
    // mistyped path fails at once instead of after the first picture.
    for (const std::string& folder :
         {args.previewDir, std::filesystem::path(args.contactSheet).parent_path().string()}) {
        std::error_code error;
        if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error) {
            throw std::runtime_error("cannot create " + folder + ": " + error.message());
        }
    }
    artgen::SvgLibrary library(args.artDir);
    std::vector<artgen::SheetEntry> sheet;
    std::set<std::string> outputs;
    int written = 0;
    for (const std::string& manifestPath : args.manifests) {
        const artgen::Manifest manifest = artgen::ReadManifest(manifestPath);
        for (const artgen::Picture& picture : manifest.pictures) {
            if (!outputs.insert(picture.output).second) {
                throw std::runtime_error(picture.origin + ": " + picture.output + " is made twice");
            }
            if (!args.only.empty() && picture.output != args.only) {
                continue;
            }
            auto canvas = artgen::RenderPicture(picture, library);
            artgen::Image image = artgen::ToStraightAlpha(canvas->Surface());
            artgen::BleedEdgeColours(image);
            const std::string target = args.gameDir + "/" + picture.output;
            written += artgen::WriteIfChanged(target, artgen::EncodeTga(image)) ? 1 : 0;
            if (!args.previewDir.empty()) {
                std::string name = picture.output;
                std::replace(name.begin(), name.end(), '/', '_');
                const std::string png = args.previewDir + "/" + name + ".png";
                if (cairo_surface_write_to_png(canvas->Surface(), png.c_str()) !=
                    CAIRO_STATUS_SUCCESS) {
                    throw std::runtime_error("cannot write " + png);
                }
            }
            if (!args.contactSheet.empty()) {
                const std::string label = picture.output + "  " + std::to_string(picture.width) +
                                          "x" + std::to_string(picture.height);
                sheet.push_back({label, std::move(canvas)});
            }
        }
    }
    if (!args.contactSheet.empty()) {
        artgen::WriteContactSheet(args.contactSheet, sheet);
    }
    if (!args.depfile.empty()) {
        std::string deps = EscapeForDepfile(args.stamp) + ":";
        for (const std::string& m : args.manifests) {
            deps += " " + EscapeForDepfile(std::filesystem::absolute(m).string());
        }
        for (const std::string& f : library.FilesRead()) {
            deps += " " + EscapeForDepfile(std::filesystem::absolute(f).string());
        }
        WriteTextFile(args.depfile, deps + "\n");
    }
    if (!args.stamp.empty()) {
        WriteTextFile(args.stamp, std::to_string(outputs.size()) + " pictures\n");
    }
    std::printf("vrels-artgen: %zu pictures, %d rewritten\n", outputs.size(), written);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(ParseArguments(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vrels-artgen: %s\n", e.what());
        return 1;
    }
}
