#include "app/Paths.h"

#include <climits>
#include <unistd.h>

namespace vrels {

namespace {
std::string g_settingsDirectory;
bool g_settingsOverridden = false;
} // namespace

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

std::string SettingsPath() {
    std::string dir = g_settingsOverridden ? g_settingsDirectory : ExecutableDirectory();
    if (!dir.empty() && dir.back() != '/') {
        dir += '/';
    }
    return dir + "vrels.ini";
}

void SetSettingsDirectory(const std::string& directory) {
    g_settingsDirectory = directory;
    g_settingsOverridden = true;
}

} // namespace vrels
