#pragma once
#include <string>

namespace vrels {
// Folder of the running executable, with a trailing slash.
std::string ExecutableDirectory();
// Where "vrels.ini" lives: the executable's folder unless overridden (the
// headless runner points it at the game folder it runs in).
std::string SettingsPath();
void SetSettingsDirectory(const std::string& directory);
} // namespace vrels
