#pragma once
// The boss stages' conversations, kept as data: each is one line of text in
// a single table (DialogueScripts.cpp), read into steps on first use.
//
// Notation, steps separated by commas:
//   L name / R name   a portrait slides in on the left / right side
//   l name / r name   a line of dialogue by the left / right speaker
//   l a02...a06       the lines a02, a03, ..., a06 (consecutive two-digit numbers)
//   K0 / K1           the portraits on the left / right leave
//   W n               wait n frames
//   End               W 110, K1, K0, W 10
#include <string>
#include <vector>

struct DialogueStep {
    enum Kind { Stand, Message, Kick, Wait };
    Kind kind;
    std::string picture; // Stand and Message
    int value;           // the side (Stand, Message, Kick) or the frames (Wait)

    bool operator==(const DialogueStep& other) const {
        return kind == other.kind && picture == other.picture && value == other.value;
    }
};

using DialogueScript = std::vector<DialogueStep>;

// The conversation under its name: the boss stage's class name for the
// opening conversation, "Stage5bossScene/2" and "Stage5bossScene/3" for the
// last stage's second and last. Throws std::out_of_range for an unknown name.
const DialogueScript& FindDialogue(const std::string& name);
std::vector<std::string> DialogueNames();

// Reads the notation above; throws std::invalid_argument naming the bad step.
DialogueScript ParseDialogue(const std::string& text);
