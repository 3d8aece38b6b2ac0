#pragma once
// The conversations of the story as written in content/story/*.story: who
// speaks in which colour, and every conversation as the list of steps the
// game plays (portraits in, lines, portraits out, waits).
#include "Manifest.h"

#include <map>
#include <string>
#include <vector>

namespace storygen {

struct Speaker {
    std::string key;  // the word the lines name the speaker by
    std::string name; // tops each of their lines' plates
    artgen::Colour fill;
};

enum class Side { Left = 0, Right = 1 };

// One step of a conversation. Portraits and lines name a picture "adv/" +
// name + ".tga"; a kick sends every portrait of a side away.
struct Step {
    enum class Kind { Stand, Line, Kick, Wait } kind = Kind::Wait;
    std::string picture;
    Side side = Side::Left;
    int frames = 0;
};

// A line picture: the text a speaker says. A line may be shown more than
// once but is written once.
struct Line {
    std::string name;
    std::string speaker;
    std::string text;
    std::string origin; // "file:line"
};

struct Conversation {
    std::string name; // the scene that plays it, ":N" for one of several
    std::vector<Step> steps;
};

struct Story {
    std::map<std::string, Speaker> speakers;
    std::vector<Line> lines; // in the order written
    std::vector<Conversation> conversations;
    std::vector<std::string> filesRead;

    const Line* FindLine(const std::string& name) const;
};

// Reads every *.story file of the folder (in name order) and checks that
// each line names a known speaker, each repeated line exists and no line
// is written twice. Throws with "file:line: what" on the first fault.
Story ReadStory(const std::string& folder);

} // namespace storygen
