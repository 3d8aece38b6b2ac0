#include "event/DialogueScripts.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace {

// Every conversation of the game. Pictures are "adv/<name>.tga".
const std::pair<const char*, const char*> kDialogues[] = {
    {"Stage1bossScene",
     "L mary0, l a01, K0, R ghost0, r a02...a06, K0, L boss1, l a07, r a08, l a09, l a10, End"},
    {"Stage2bossScene",
     "L mary0, l b00, K0, R ghost0, r b01...b11, r b01, r b12, K0, L boss1, l b13, r b14, r b15, "
     "r b16, r b17, r b18, l b19, l b20, K0, r b21, W 110, K1, W 10"},
    {"Stage3bossScene",
     "L mary1, l c01...c12, K0, L mary0, l c13, l c14, l c15, R ghost0, r c16, r c17, K0, "
     "L mary5, l c18, r c19...c22, K0, L boss1, l c23, l c24, End"},
    {"TrialBossScene", "L mary0, r t01, R ghost0, r t02...t08, l t09, r t10, r t11, K1, K0, W 10"},
    {"Stage5bossScene",
     "R ghost0, r d01...d06, K1, R boss0, r d07...d10, L mary0, l d11, r d12, l d13, r d14, "
     "l d15, r d16, l d17, K1, R boss5, r d18, K1, R boss2, r d19, r d20, K0, L mary4, l d21, "
     "r d22, r d23, r d24, K0, L mary5, l d25, r d26, K0, L mary0, l d27, r d28, r d29, r d30, "
     "l d31, K1, R boss6, r d32, l d33, K1, R boss2, r d34, K0, L mary5, l d35, r d36, r d37, "
     "K1, R boss6, r d38, r d39, End"},
    {"Stage5bossScene/2",
     "R boss4, r e01, L ghost0, l e02, l e03, l e04, l e05, r e06, l e07, l e08, l e09, K1, "
     "R gil0, r e10, r e11, l e12, l e13, K0, L mary3, l e14, K1, R gil1, r e15, r e16, l e17, "
     "K1, R boss4, r e18, K1, R gil0, r e19, r e20, K0, L ghost0, l e21, l e22, l e23, l e24, "
     "K1, R gil1, r e25, K1, R gil0, r e26, r e27, l e27_2, K1, R gil1, r e28, r e28_2, "
     "r e28_3, l e29, l e30, l e31, l e32, r e33, K1, R boss4, r e34, r e35, r e36, r e37, K1, "
     "R gil1, r e38, K0, L mary3, l e39, End"},
    {"Stage5bossScene/3",
     "R gil0, r f01, L mary2, l f02, r f03, L mary3, l f04, l f05, l f06, r f07, r f08, K1, "
     "R ghost0, r f09, r f10, K1, K0, L mary2, l f11, K1, R gil0, r f12, r f13, K0, L mary1, "
     "l f14, r f15, r f16, l f17, r f18, r f19, r f20, End"},
};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = text.find_last_not_of(" \t\n");
    return text.substr(first, last - first + 1);
}

[[noreturn]] void Refuse(const std::string& step) {
    throw std::invalid_argument("Bad conversation step: \"" + step + "\"");
}

// "a02...a06" -> a02, a03, ..., a06; anything else is one name.
std::vector<std::string> ExpandNames(const std::string& text, const std::string& step) {
    const auto dots = text.find("...");
    if (dots == std::string::npos) {
        return {text};
    }
    const std::string from = text.substr(0, dots);
    const std::string to = text.substr(dots + 3);
    auto split = [&](const std::string& name, std::string* prefix, int* number) {
        if (name.size() < 3 || !std::isdigit(static_cast<unsigned char>(name[name.size() - 1])) ||
            !std::isdigit(static_cast<unsigned char>(name[name.size() - 2]))) {
            Refuse(step);
        }
        *prefix = name.substr(0, name.size() - 2);
        *number = std::stoi(name.substr(name.size() - 2));
    };
    std::string fromPrefix;
    std::string toPrefix;
    int first = 0;
    int last = 0;
    split(from, &fromPrefix, &first);
    split(to, &toPrefix, &last);
    if (fromPrefix != toPrefix || last < first) {
        Refuse(step);
    }
    std::vector<std::string> names;
    for (int n = first; n <= last; ++n) {
        char digits[8];
        std::snprintf(digits, sizeof(digits), "%02d", n);
        names.push_back(fromPrefix + digits);
    }
    return names;
}

void ParseStep(const std::string& step, DialogueScript* script) {
    if (step == "End") {
        script->push_back({DialogueStep::Wait, "", 110});
        script->push_back({DialogueStep::Kick, "", 1});
        script->push_back({DialogueStep::Kick, "", 0});
        script->push_back({DialogueStep::Wait, "", 10});
        return;
    }
    if (step == "K0" || step == "K1") {
        script->push_back({DialogueStep::Kick, "", step[1] - '0'});
        return;
    }
    if (step.size() < 3 || step[1] != ' ') {
        Refuse(step);
    }
    const std::string argument = Trim(step.substr(2));
    if (argument.empty()) {
        Refuse(step);
    }
    const char code = step[0];
    if (code == 'W') {
        std::size_t used = 0;
        int frames = 0;
        try {
            frames = std::stoi(argument, &used);
        } catch (const std::exception&) {
            Refuse(step);
        }
        if (used != argument.size() || frames <= 0) {
            Refuse(step);
        }
        script->push_back({DialogueStep::Wait, "", frames});
        return;
    }
    DialogueStep::Kind kind = DialogueStep::Message;
    int side = 0;
    switch (code) {
    case 'L':
        kind = DialogueStep::Stand;
        break;
    case 'R':
        kind = DialogueStep::Stand;
        side = 1;
        break;
    case 'l':
        break;
    case 'r':
        side = 1;
        break;
    default:
        Refuse(step);
    }
    const auto names = ExpandNames(argument, step);
    if (kind == DialogueStep::Stand && names.size() != 1) {
        Refuse(step);
    }
    for (const auto& name : names) {
        script->push_back({kind, name, side});
    }
}

const std::map<std::string, DialogueScript>& Library() {
    static const std::map<std::string, DialogueScript> library = [] {
        std::map<std::string, DialogueScript> scripts;
        for (const auto& [name, text] : kDialogues) {
            scripts.emplace(name, ParseDialogue(text));
        }
        return scripts;
    }();
    return library;
}

} // namespace

DialogueScript ParseDialogue(const std::string& text) {
    DialogueScript script;
    std::stringstream in(text);
    std::string step;
    while (std::getline(in, step, ',')) {
        step = Trim(step);
        if (step.empty()) {
            Refuse(step);
        }
        ParseStep(step, &script);
    }
    return script;
}

const DialogueScript& FindDialogue(const std::string& name) {
    const auto& library = Library();
    const auto it = library.find(name);
    if (it == library.end()) {
        throw std::out_of_range("No conversation named " + name);
    }
    return it->second;
}

std::vector<std::string> DialogueNames() {
    std::vector<std::string> names;
    for (const auto& entry : Library()) {
        names.push_back(entry.first);
    }
    return names;
}
