#pragma once
// Where the game finds its data and where it keeps the files it writes.
//
// A portable game folder (the executable with gfx/, map/, ... beside it, and
// the folder writable) reads and writes everything inside itself.
//
// An installed copy (the data in the share folder next to the executable's
// folder, or a game folder the user cannot write) reads the installed data,
// but a file of the same relative path under the user's data folder wins, so
// a mod needs no root. It writes to the user's folders instead:
//   vrels.ini            $XDG_CONFIG_HOME/vrels  (default ~/.config/vrels)
//   score.ini, replay/   $XDG_DATA_HOME/vrels    (default ~/.local/share/vrels)
//   log.txt              $XDG_STATE_HOME/vrels   (default ~/.local/state/vrels)
//
// Every data read goes through DataPath; every write takes its path from the
// functions below.
#include <functional>
#include <string>

namespace vrels {

// Folder names end with a slash; "" is the working directory.
struct GameFolders {
    std::string data;      // the shipped data
    std::string overrides; // searched before data on every read; "" when none
    std::string config;    // vrels.ini
    std::string saves;     // score.ini and replay/
    std::string state;     // log.txt
    bool portable = true;  // writes go into the game folder itself
};

// Environment lookup (getenv by default); tests pass their own.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Everything in one game folder.
GameFolders PortableFolders(const std::string& gameFolder);
// Installed data in dataFolder, user files under the XDG folders of env.
GameFolders UserFolders(const std::string& dataFolder, const EnvironmentLookup& env);
// The layout of a game whose executable lies in executableFolder: a portable
// folder when the data lies beside it and the folder is writable, the user
// folders when that folder is read-only or the data is installed in the share
// folder. False when no data is found in either place.
bool DetectGameFolders(const std::string& executableFolder, const EnvironmentLookup& env,
                       GameFolders* folders);
// The installed data folder, relative to the executable's folder.
const char* InstalledDataFromExecutable();
// The same folders as seen from inside the data folder (after moving the
// working directory there): the data folder, and every folder equal to it,
// become "", so the game's file names stay short and relative.
GameFolders RelativeToDataFolder(const GameFolders& folders);

// The folders every path below uses. Until set, everything is relative to the
// working directory and the settings lie beside the executable (config is the
// executable's folder).
void UseGameFolders(const GameFolders& folders);
const GameFolders& CurrentGameFolders();

// Creates the folders an installed copy writes into (mode 0700, parents
// included). False with a message naming the folder when one cannot be made.
bool CreateUserFolders(const GameFolders& folders, std::string* error);

// The file to read for a data path such as "gfx/coin.tga": the user's copy when
// one exists, else the shipped one. Absolute paths are returned unchanged.
std::string DataPath(const std::string& relative);
std::string SettingsPath(); // "vrels.ini"
std::string RankingPath();  // "score.ini", where the ranking is written
std::string ReplayFolder(); // "replay/", where replays are written
std::string LogFilePath();  // "log.txt"

// Folder of the running executable, with a trailing slash.
std::string ExecutableDirectory();

} // namespace vrels
