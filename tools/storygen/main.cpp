// vrels-storygen: sets every line of the story's conversations as a picture
// "adv/<name>.tga" in the game folder, and on request plays the
// conversations and the endings into PNG mock-ups for review.
//
//   vrels-storygen --story-dir DIR --game-dir DIR [--stamp FILE --depfile FILE]
//                  [--mock-dir DIR] [--print-scripts]
//
// --print-scripts writes each conversation's steps in the short notation
// L(portrait) R(portrait) l(line) r(line) K0 K1 W(frames), one conversation
// a line, so the story can be compared with the scripts the game plays.
#include "ConversationMock.h"
#include "EndingMock.h"
#include "LinePicture.h"
#include "Story.h"
#include "TgaWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

struct Arguments {
    std::string storyDir = "content/story";
    std::string gameDir = "game";
    std::string stamp;
    std::string depfile;
    std::string mockDir;
    bool printScripts = false;
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
        if (word == "--story-dir") {
            args.storyDir = value();
        } else if (word == "--game-dir") {
            args.gameDir = value();
        } else if (word == "--stamp") {
            args.stamp = value();
        } else if (word == "--depfile") {
            args.depfile = value();
        } else if (word == "--mock-dir") {
            args.mockDir = value();
        } else if (word == "--print-scripts") {
            args.printScripts = true;
        } else {
            throw std::runtime_error("unknown argument " + word);
        }
    }
    return args;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
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

std::string Notation(const storygen::Step& step) {
    using Kind = storygen::Step::Kind;
    const bool left = step.side == storygen::Side::Left;
    switch (step.kind) {
    case Kind::Stand:
        return std::string(left ? "L(" : "R(") + step.picture + ")";
    case Kind::Line:
        return std::string(left ? "l(" : "r(") + step.picture + ")";
    case Kind::Kick:
        return left ? "K0" : "K1";
    case Kind::Wait:
        return "W(" + std::to_string(step.frames) + ")";
    }
    return "?";
}

void PrintScripts(const storygen::Story& story) {
    for (const storygen::Conversation& conversation : story.conversations) {
        std::string text = conversation.name + ":";
        for (const storygen::Step& step : conversation.steps) {
            text += " " + Notation(step);
        }
        std::printf("%s\n", text.c_str());
    }
}

int Run(const Arguments& args) {
    const storygen::Story story = storygen::ReadStory(args.storyDir);
    if (args.printScripts) {
        PrintScripts(story);
        return 0;
    }
    std::error_code error;
    std::filesystem::create_directories(args.gameDir + "/adv", error);
    if (error) {
        throw std::runtime_error("cannot create " + args.gameDir + "/adv: " + error.message());
    }
    int written = 0;
    for (const storygen::Line& line : story.lines) {
        const storygen::Speaker& speaker = story.speakers.at(line.speaker);
        auto canvas = storygen::RenderLine(line, speaker);
        artgen::Image image = artgen::ToStraightAlpha(canvas->Surface());
        artgen::BleedEdgeColours(image);
        const std::string target = args.gameDir + "/adv/" + line.name + ".tga";
        written += artgen::WriteIfChanged(target, artgen::EncodeTga(image)) ? 1 : 0;
    }
    std::printf("vrels-storygen: %zu lines, %d rewritten\n", story.lines.size(), written);
    if (!args.mockDir.empty()) {
        const int sheets = storygen::WriteConversationMocks(story, args.gameDir, args.mockDir);
        const int endings = storygen::WriteEndingMocks(args.gameDir, args.mockDir);
        std::printf("vrels-storygen: %d conversation sheets and %d ending screens in %s\n", sheets,
                    endings, args.mockDir.c_str());
    }
    if (!args.depfile.empty()) {
        std::string deps = EscapeForDepfile(args.stamp) + ":";
        for (const std::string& file : story.filesRead) {
            deps += " " + EscapeForDepfile(std::filesystem::absolute(file).string());
        }
        WriteTextFile(args.depfile, deps + "\n");
    }
    if (!args.stamp.empty()) {
        WriteTextFile(args.stamp, std::to_string(story.lines.size()) + " lines\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(ParseArguments(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vrels-storygen: %s\n", e.what());
        return 1;
    }
}
