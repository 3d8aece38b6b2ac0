// The conversations as the player sees them: every portrait and line of all
// seven, in order and on its side, against a table written apart from the
// game's own; and every way a malformed step is refused rather than read as
// something else.
#include "event/DialogueScripts.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

// The seven conversations: L(n)/R(n) a portrait on the left/right, l(n)/r(n)
// a line said on the left/right, x(p01..p05) the consecutive two-digit
// numbers, K0/K1 the left/right portraits leave, W(n) a wait, End the usual
// close W(110) K1 K0 W(10).
const std::map<std::string, std::string> kConversations = {
    {"Stage1bossScene",
     "L(mary0) l(a01) K0 R(ghost0) r(a02..a06) K0 L(boss1) l(a07) r(a08) l(a09) l(a10) End"},
    {"Stage2bossScene",
     "L(mary0) l(b00) K0 R(ghost0) r(b01..b11) r(b01) r(b12) K0 L(boss1) l(b13) r(b14) r(b15) "
     "r(b16) r(b17) r(b18) l(b19) l(b20) K0 r(b21) W(110) K1 W(10)"},
    {"Stage3bossScene",
     "L(mary1) l(c01..c12) K0 L(mary0) l(c13) l(c14) l(c15) R(ghost0) r(c16) r(c17) K0 L(mary5) "
     "l(c18) r(c19..c22) K0 L(boss1) l(c23) l(c24) End"},
    {"TrialBossScene", "L(mary0) r(t01) R(ghost0) r(t02..t08) l(t09) r(t10) r(t11) K1 K0 W(10)"},
    {"Stage5bossScene",
     "R(ghost0) r(d01..d06) K1 R(boss0) r(d07..d10) L(mary0) l(d11) r(d12) l(d13) r(d14) l(d15) "
     "r(d16) l(d17) K1 R(boss5) r(d18) K1 R(boss2) r(d19) r(d20) K0 L(mary4) l(d21) r(d22) "
     "r(d23) r(d24) K0 L(mary5) l(d25) r(d26) K0 L(mary0) l(d27) r(d28) r(d29) r(d30) l(d31) K1 "
     "R(boss6) r(d32) l(d33) K1 R(boss2) r(d34) K0 L(mary5) l(d35) r(d36) r(d37) K1 R(boss6) "
     "r(d38) r(d39) End"},
    {"Stage5bossScene/2",
     "R(boss4) r(e01) L(ghost0) l(e02) l(e03) l(e04) l(e05) r(e06) l(e07) l(e08) l(e09) K1 "
     "R(gil0) r(e10) r(e11) l(e12) l(e13) K0 L(mary3) l(e14) K1 R(gil1) r(e15) r(e16) l(e17) K1 "
     "R(boss4) r(e18) K1 R(gil0) r(e19) r(e20) K0 L(ghost0) l(e21) l(e22) l(e23) l(e24) K1 "
     "R(gil1) r(e25) K1 R(gil0) r(e26) r(e27) l(e27_2) K1 R(gil1) r(e28) r(e28_2) r(e28_3) "
     "l(e29) l(e30) l(e31) l(e32) r(e33) K1 R(boss4) r(e34) r(e35) r(e36) r(e37) K1 R(gil1) "
     "r(e38) K0 L(mary3) l(e39) End"},
    {"Stage5bossScene/3",
     "R(gil0) r(f01) L(mary2) l(f02) r(f03) L(mary3) l(f04) l(f05) l(f06) r(f07) r(f08) K1 "
     "R(ghost0) r(f09) r(f10) K1 K0 L(mary2) l(f11) K1 R(gil0) r(f12) r(f13) K0 L(mary1) l(f14) "
     "r(f15) r(f16) l(f17) r(f18) r(f19) r(f20) End"},
};

// The table's words one by one, ranges and End spelled out.
std::vector<std::string> Spelled(const std::string& script) {
    std::vector<std::string> words;
    std::istringstream in(script);
    std::string word;
    while (in >> word) {
        const size_t dots = word.find("..");
        if (word == "End") {
            words.insert(words.end(), {"W(110)", "K1", "K0", "W(10)"});
        } else if (dots == std::string::npos) {
            words.push_back(word);
        } else {
            const std::string head = word.substr(0, 3); // "r(d"
            const int first = std::stoi(word.substr(3, dots - 3));
            const int last = std::stoi(word.substr(dots + 3));
            for (int n = first; n <= last; ++n) {
                char number[4];
                std::snprintf(number, sizeof number, "%02d", n);
                words.push_back(head + number + ")");
            }
        }
    }
    return words;
}

// A step of the game's script in the table's words.
std::string Word(const DialogueStep& step) {
    switch (step.kind) {
    case DialogueStep::Stand:
        return std::string(step.value == 0 ? "L(" : "R(") + step.picture + ")";
    case DialogueStep::Message:
        return std::string(step.value == 0 ? "l(" : "r(") + step.picture + ")";
    case DialogueStep::Kick:
        return "K" + std::to_string(step.value);
    case DialogueStep::Wait:
        return "W(" + std::to_string(step.value) + ")";
    }
    return "?";
}

std::string RefusalOf(const std::string& text) {
    try {
        ParseDialogue(text);
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "(read without complaint)";
}

} // namespace

TEST(DialogueScripts, AllSevenConversationsShowTheirPortraitsAndLinesInOrder) {
    EXPECT_EQ(DialogueNames().size(), kConversations.size());
    for (const auto& [name, table] : kConversations) {
        SCOPED_TRACE(name);
        std::vector<std::string> played;
        for (const DialogueStep& step : FindDialogue(name)) {
            played.push_back(Word(step));
        }
        const std::vector<std::string> expected = Spelled(table);
        EXPECT_EQ(played, expected);
    }
    EXPECT_THROW(FindDialogue("NoSuchScene"), std::out_of_range);
    EXPECT_THROW(FindDialogue("Stage5bossScene/4"), std::out_of_range);
}

TEST(DialogueScripts, EveryMalformedStepIsRefusedByName) {
    const char* const bad[] = {
        "L mary0,,l a01", // an empty step between two
        "L mary0, ,K0",   // or a blank one
        "K2",             // no such side
        "K",              //
        "End W",          // End takes nothing
        "end",            // names are exact
        "Lmary0",         // the code and its name run together
        "L",              // a code without a name
        "X a01",          // no such code
        "k a01",          //
        "W ten",          // a wait needs a number
        "W 10x",          // and nothing after it
        "W 0",            // of at least one frame
        "W -5",           //
        "W 99999999999",  // that fits
        "R a01...a02",    // a range of portraits
        "L mary0...mary1",
        "l a5...a07",  // a range needs two digits at both ends
        "l a05...a7",  //
        "l abc...a07", //
        "l a01...b03", // one prefix
        "l a05...a03", // and runs upwards
        "l a01...",    //
        "r ...a03",    //
    };
    for (const char* text : bad) {
        const std::string refusal = RefusalOf(text);
        EXPECT_EQ(refusal.rfind("Bad conversation step: \"", 0), 0u)
            << "\"" << text << "\" gave: " << refusal;
    }
    // The message quotes the step at fault, not its neighbours.
    EXPECT_EQ(RefusalOf("L mary0, l a05...a03, K0"), "Bad conversation step: \"l a05...a03\"");
    EXPECT_EQ(RefusalOf("L mary0, W ten"), "Bad conversation step: \"W ten\"");
    EXPECT_EQ(RefusalOf("L mary0, X a01"), "Bad conversation step: \"X a01\"");
}

TEST(DialogueScripts, WellFormedEdgesAreRead) {
    using S = DialogueStep;
    EXPECT_EQ(ParseDialogue("W 1"), DialogueScript({{S::Wait, "", 1}}));
    EXPECT_EQ(
        ParseDialogue("l a09...a11"),
        DialogueScript({{S::Message, "a09", 0}, {S::Message, "a10", 0}, {S::Message, "a11", 0}}));
    EXPECT_EQ(ParseDialogue("r e05...e05"), DialogueScript({{S::Message, "e05", 1}}));
    EXPECT_EQ(ParseDialogue("  R gil0 ,K1 "),
              DialogueScript({{S::Stand, "gil0", 1}, {S::Kick, "", 1}}));
    EXPECT_EQ(ParseDialogue("L mary0, K0, End"), DialogueScript({{S::Stand, "mary0", 0},
                                                                 {S::Kick, "", 0},
                                                                 {S::Wait, "", 110},
                                                                 {S::Kick, "", 1},
                                                                 {S::Kick, "", 0},
                                                                 {S::Wait, "", 10}}));
}
