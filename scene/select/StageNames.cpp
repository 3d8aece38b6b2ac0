#include "scene/select/StageNames.h"

#include <cctype>

namespace vrels {

std::string SceneForStageName(const std::string& stageName) {
    if (stageName == "TEST STAGE") {
        return "Stage0Scene";
    }
    if (stageName == "Ending") {
        return "EndScene";
    }
    // "STAGE w-n" and "STAGE w boss", w and n single digits.
    const std::string prefix = "STAGE ";
    if (stageName.size() < prefix.size() + 3 || stageName.compare(0, prefix.size(), prefix) != 0) {
        return "";
    }
    const char world = stageName[prefix.size()];
    const std::string rest = stageName.substr(prefix.size() + 1);
    if (world < '1' || world > '5') {
        return "";
    }
    if (rest == " boss" && world != '4') { // world 4 has no boss
        return std::string("Stage") + world + "bossScene";
    }
    if (rest.size() == 2 && rest[0] == '-' && rest[1] >= '1' && rest[1] <= '4') {
        return std::string("Stage") + world + "_" + rest[1] + "Scene";
    }
    return "";
}

int WorldOfStageName(const std::string& stageName) {
    for (char c : stageName) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            return c - '0';
        }
    }
    return 0;
}

} // namespace vrels
