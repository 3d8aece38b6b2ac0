#include "app/Paths.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

// Set by the build from the install layout (executable folder to data folder).
#ifndef VRELS_INSTALLED_DATA_FROM_BIN
#define VRELS_INSTALLED_DATA_FROM_BIN "../share/games/vrels"
#endif

namespace vrels {

namespace {

// Until the game picks its folders, everything is relative to the working
// directory and the settings lie beside the executable.
GameFolders& Folders() {
    static GameFolders folders = [] {
        GameFolders initial;
        initial.config = ExecutableDirectory();
        return initial;
    }();
    return folders;
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

bool IsDirectory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The data folder is recognised by its pictures.
bool HoldsGameData(const std::string& folder) {
    return IsDirectory(folder + "gfx");
}

std::string HomeFolder(const EnvironmentLookup& env) {
    const char* home = env("HOME");
    if (home && home[0] == '/') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid())) {
        if (entry->pw_dir && entry->pw_dir[0] == '/') {
            return entry->pw_dir;
        }
    }
    // No home at all (a stripped-down service account): keep the files apart
    // from everyone else's.
    return "/tmp/vrels-" + std::to_string(getuid());
}

// An XDG base folder: the variable when it holds an absolute path (relative
// values are invalid and ignored), else the default under the home folder.
std::string BaseFolder(const EnvironmentLookup& env, const char* variable,
                       const std::string& fallback) {
    const char* value = env(variable);
    return WithSlash(value && value[0] == '/' ? value : fallback);
}

// mkdir -p, new folders private to the user.
bool MakeFolders(const std::string& folder, std::string* error) {
    std::string path;
    size_t start = 0;
    while (start < folder.size()) {
        size_t slash = folder.find('/', start);
        if (slash == std::string::npos) {
            slash = folder.size();
        }
        path = folder.substr(0, slash);
        start = slash + 1;
        if (path.empty() || IsDirectory(path)) {
            continue;
        }
        if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
            *error = "Cannot create the folder " + path + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}

} // namespace

GameFolders PortableFolders(const std::string& gameFolder) {
    GameFolders folders;
    folders.data = WithSlash(gameFolder);
    folders.config = folders.data;
    folders.saves = folders.data;
    folders.state = folders.data;
    folders.portable = true;
    return folders;
}

GameFolders UserFolders(const std::string& dataFolder, const EnvironmentLookup& env) {
    const std::string home = HomeFolder(env);
    GameFolders folders;
    folders.data = WithSlash(dataFolder);
    folders.config = BaseFolder(env, "XDG_CONFIG_HOME", home + "/.config") + "vrels/";
    folders.saves = BaseFolder(env, "XDG_DATA_HOME", home + "/.local/share") + "vrels/";
    folders.state = BaseFolder(env, "XDG_STATE_HOME", home + "/.local/state") + "vrels/";
    folders.overrides = folders.saves;
    folders.portable = false;
    return folders;
}

const char* InstalledDataFromExecutable() {
    return VRELS_INSTALLED_DATA_FROM_BIN;
}

bool DetectGameFolders(const std::string& executableFolder, const EnvironmentLookup& env,
                       GameFolders* folders) {
    const std::string beside = WithSlash(executableFolder);
    if (HoldsGameData(beside)) {
        *folders =
            access(beside.c_str(), W_OK) == 0 ? PortableFolders(beside) : UserFolders(beside, env);
        return true;
    }
    // An installed copy writes to the user's folders even when the installing
    // user could write the share folder: one player's saves never land in a
    // folder that every player reads.
    const std::string installed = beside + WithSlash(InstalledDataFromExecutable());
    if (HoldsGameData(installed)) {
        *folders = UserFolders(installed, env);
        return true;
    }
    return false;
}

GameFolders RelativeToDataFolder(const GameFolders& folders) {
    GameFolders relative = folders;
    for (std::string* folder :
         {&relative.overrides, &relative.config, &relative.saves, &relative.state}) {
        if (*folder == folders.data) {
            folder->clear();
        }
    }
    relative.data.clear();
    return relative;
}

void UseGameFolders(const GameFolders& folders) {
    Folders() = folders;
}

const GameFolders& CurrentGameFolders() {
    return Folders();
}

bool CreateUserFolders(const GameFolders& folders, std::string* error) {
    for (const std::string& folder :
         {folders.config, folders.saves, folders.saves + "replay/", folders.state}) {
        if (!folder.empty() && !MakeFolders(folder, error)) {
            return false;
        }
    }
    return true;
}

std::string DataPath(const std::string& relative) {
    if (relative.empty() || relative[0] == '/') {
        return relative;
    }
    const GameFolders& folders = Folders();
    if (!folders.overrides.empty()) {
        const std::string own = folders.overrides + relative;
        if (IsRegularFile(own)) {
            return own;
        }
    }
    return folders.data + relative;
}

std::string SettingsPath() {
    return Folders().config + "vrels.ini";
}

std::string RankingPath() {
    return Folders().saves + "score.ini";
}

std::string ReplayFolder() {
    return Folders().saves + "replay/";
}

std::string LogFilePath() {
    return Folders().state + "log.txt";
}

std::string ExecutableDirectory() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) {
        return "./";
    }
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

} // namespace vrels
