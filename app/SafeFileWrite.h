#pragma once
// Saving a whole file so that a kill, a crash or a full disk at any moment
// leaves either the old complete file or the new complete file, never an empty
// or half-written one: the contents go to "<file>.tmp" in the same folder, are
// flushed to the disk, and the temporary file is renamed over the old one.
//
// An existing file that cannot be read or is read-only is left alone (the
// player made it so, or it belongs to someone else), and every refused or
// failed save is logged with its path.
#include <functional>
#include <string>

namespace vrels {

// The steps of one save, in order. Tests stop a save between any two of them.
enum class SaveStep {
    CheckTarget,   // the existing file is looked at
    OpenTemporary, // "<file>.tmp" is created empty
    WriteFirstHalf,
    WriteSecondHalf,
    FlushTemporary, // fsync of the temporary file
    CloseTemporary,
    Rename,      // the temporary file replaces the old one
    FlushFolder, // fsync of the folder, so the rename itself is on the disk
    Done,
};
constexpr int kSaveStepCount = static_cast<int>(SaveStep::Done) + 1;

// Called before each step; a non-zero result fails that step with that errno
// value (a test's full disk). Unset in the game.
using SaveStepHook = std::function<int(SaveStep)>;
void SetSaveStepHook(SaveStepHook hook);

// The suffix of the temporary files; what a killed save leaves behind.
extern const char* const kSaveTempSuffix;

// Writes contents as the whole file at path. False, with a log line naming
// the path and the reason, when the file was not replaced.
bool WriteFileSafely(const std::string& path, const std::string& contents);

// True when path names an existing file that the game may not replace: one
// without read or write permission for its owner, or owned by another user.
// *reason says why.
bool IsProtectedFile(const std::string& path, std::string* reason);

// Removes the "<file>.tmp" leftovers of killed saves of the given files, and
// of every "*.rec" replay in the folder replayFolder (empty: none). Called
// once at start-up, before anything reads the saved files.
void RemoveStaleSaveTemporaries(const std::string& settingsPath, const std::string& rankingPath,
                                const std::string& replayFolder);

} // namespace vrels
