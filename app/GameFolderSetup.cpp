#include "app/GameFolderSetup.h"

#include "app/Log.h"
#include "app/Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace vrels {

bool EnterGameFolders(const std::string& executableFolder) {
    GameFolders folders;
    const EnvironmentLookup env = [](const char* name) { return std::getenv(name); };
    if (!DetectGameFolders(executableFolder, env, &folders)) {
        return false;
    }
    if (!folders.portable) {
        std::string error;
        if (!CreateUserFolders(folders, &error)) {
            std::fprintf(stderr, "vrels: %s\n", error.c_str());
        }
    }
    // Relative names keep working for every file the game reads.
    if (chdir(folders.data.c_str()) == 0) {
        folders = RelativeToDataFolder(folders);
    } else {
        std::fprintf(stderr, "vrels: cannot enter the data folder %s: %s\n", folders.data.c_str(),
                     std::strerror(errno));
    }
    UseGameFolders(folders);
    SetLogPath(LogFilePath());
    return true;
}

void UseWorkingDirectory(const std::string& settingsFolder) {
    GameFolders folders = PortableFolders("");
    folders.config = settingsFolder;
    UseGameFolders(folders);
    SetLogPath(LogFilePath());
}

} // namespace vrels
