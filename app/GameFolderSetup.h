#pragma once
// Start-up of the file layout: picks the folders for this run (see
// app/Paths.h), makes the user folders an installed copy writes into, moves
// the working directory into the data folder and points the log at its file.
#include <string>

namespace vrels {

// For a game whose executable lies in executableFolder. False, changing
// nothing, when there is no data beside the executable nor in the installed
// share folder. Problems are printed on standard error (the log itself may be
// what cannot be written); the game runs on.
bool EnterGameFolders(const std::string& executableFolder);

// The portable layout in the working directory, as the game always ran: the
// data, the saves and the log there, the settings in settingsFolder.
void UseWorkingDirectory(const std::string& settingsFolder);

} // namespace vrels
