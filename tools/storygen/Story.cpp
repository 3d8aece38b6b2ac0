#include "Story.h"

#include "Tokenizer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

namespace storygen {
namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

Side ParseSide(const std::string& where, const std::string& word) {
    if (word == "left") {
        return Side::Left;
    }
    if (word == "right") {
        return Side::Right;
    }
    Fail(where, "side must be left or right, got '" + word + "'");
}

int ParseFrames(const std::string& where, const std::string& word) {
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || value <= 0 || value > 100000) {
        Fail(where, "expected a frame count, got '" + word + "'");
    }
    return static_cast<int>(value);
}

// Picture names become file names: keep them to plain letters, digits and '_'.
void CheckPictureName(const std::string& where, const std::string& name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
    if (!plain) {
        Fail(where, "picture name '" + name + "' must be lower-case letters, digits and '_'");
    }
}

void Expect(const std::string& where, const std::vector<std::string>& words, size_t count,
            const char* form) {
    if (words.size() != count) {
        Fail(where, std::string("expected: ") + form);
    }
}

struct Reader {
    Story& story;
    std::set<std::string> written;
    std::vector<std::pair<std::string, std::string>> repeats; // name, where

    void ReadFile(const std::string& path) {
        std::ifstream in(path);
        if (!in) {
            throw std::runtime_error("cannot open " + path);
        }
        story.filesRead.push_back(path);
        Conversation* open = nullptr;
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            const std::string where = path + ":" + std::to_string(number);
            std::vector<std::string> words;
            try {
                words = artgen::SplitWords(text);
            } catch (const std::exception& e) {
                Fail(where, e.what());
            }
            if (words.empty()) {
                continue;
            }
            const std::string& kind = words[0];
            if (kind == "speaker") {
                ReadSpeaker(where, words);
                continue;
            }
            if (kind == "conversation") {
                Expect(where, words, 2, "conversation NAME");
                story.conversations.push_back({words[1], {}});
                open = &story.conversations.back();
                continue;
            }
            if (open == nullptr) {
                Fail(where, "'" + kind + "' before any conversation");
            }
            ReadStep(where, words, *open);
        }
    }

    void ReadSpeaker(const std::string& where, const std::vector<std::string>& words) {
        if (words.size() != 4 || words[3].rfind("fill=", 0) != 0) {
            Fail(where, "expected: speaker KEY \"NAME\" fill=#rrggbb");
        }
        Speaker speaker;
        speaker.key = words[1];
        speaker.name = words[2];
        try {
            speaker.fill = artgen::ParseColour(words[3].substr(5));
        } catch (const std::exception& e) {
            Fail(where, e.what());
        }
        if (!story.speakers.emplace(speaker.key, speaker).second) {
            Fail(where, "speaker '" + speaker.key + "' is defined twice");
        }
    }

    void ReadStep(const std::string& where, const std::vector<std::string>& words,
                  Conversation& conversation) {
        const std::string& kind = words[0];
        Step step;
        if (kind == "stand") {
            Expect(where, words, 3, "stand PICTURE left|right");
            CheckPictureName(where, words[1]);
            step = {Step::Kind::Stand, words[1], ParseSide(where, words[2]), 0};
        } else if (kind == "line") {
            Expect(where, words, 5, "line PICTURE left|right SPEAKER \"TEXT\"");
            CheckPictureName(where, words[1]);
            if (!written.insert(words[1]).second) {
                Fail(where, "line '" + words[1] + "' is written twice; use 'repeat'");
            }
            if (words[4].empty()) {
                Fail(where, "line '" + words[1] + "' has no text");
            }
            story.lines.push_back({words[1], words[3], words[4], where});
            step = {Step::Kind::Line, words[1], ParseSide(where, words[2]), 0};
        } else if (kind == "repeat") {
            Expect(where, words, 3, "repeat PICTURE left|right");
            repeats.emplace_back(words[1], where);
            step = {Step::Kind::Line, words[1], ParseSide(where, words[2]), 0};
        } else if (kind == "kick") {
            Expect(where, words, 2, "kick left|right");
            step = {Step::Kind::Kick, "", ParseSide(where, words[1]), 0};
        } else if (kind == "wait") {
            Expect(where, words, 2, "wait FRAMES");
            step = {Step::Kind::Wait, "", Side::Left, ParseFrames(where, words[1])};
        } else if (kind == "finale") {
            // The usual close: a pause to read the last line, then both
            // sides leave.
            Expect(where, words, 1, "finale");
            conversation.steps.push_back({Step::Kind::Wait, "", Side::Left, 110});
            conversation.steps.push_back({Step::Kind::Kick, "", Side::Right, 0});
            conversation.steps.push_back({Step::Kind::Kick, "", Side::Left, 0});
            conversation.steps.push_back({Step::Kind::Wait, "", Side::Left, 10});
            return;
        } else {
            Fail(where, "unknown step '" + kind + "'");
        }
        conversation.steps.push_back(step);
    }

    void CheckReferences() const {
        for (const Line& line : story.lines) {
            if (story.speakers.count(line.speaker) == 0) {
                Fail(line.origin, "unknown speaker '" + line.speaker + "'");
            }
        }
        for (const auto& [name, where] : repeats) {
            if (written.count(name) == 0) {
                Fail(where, "repeated line '" + name + "' is never written");
            }
        }
    }
};

} // namespace

const Line* Story::FindLine(const std::string& name) const {
    for (const Line& line : lines) {
        if (line.name == name) {
            return &line;
        }
    }
    return nullptr;
}

Story ReadStory(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".story") {
            files.push_back(entry.path().string());
        }
    }
    if (error) {
        throw std::runtime_error("cannot read the folder " + folder + ": " + error.message());
    }
    std::sort(files.begin(), files.end());
    Story story;
    Reader reader{story, {}, {}};
    for (const std::string& file : files) {
        reader.ReadFile(file);
    }
    reader.CheckReferences();
    return story;
}

} // namespace storygen
