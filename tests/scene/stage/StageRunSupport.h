#pragma once
// What the whole-stage tests share: the stages of both courses, a scratch game
// folder to run them in, and reading the runner's trace and key scripts.
#include <ostream>
#include <set>
#include <string>

namespace stagerun {

struct StageCase {
    const char* map;   // map and key script name
    const char* scene; // the stage class
    const char* next;  // the scene a clear leads to
    int progress;      // the stage's progress number: its replay is replay/<progress>.rec
    bool fullCourse;   // the attract demo's stages
};

extern const StageCase kStages[27];

// Failures name the stage by its map.
void PrintTo(const StageCase& stage, std::ostream* out);

// The key script of a stage, under tests/data/stages.
std::string KeyScriptPath(const StageCase& stage);

// The value of a key in one line of the runner's trace (strings unquoted).
std::string Field(const std::string& line, const std::string& key);

// How a stage run went, read from the runner's trace.
struct StageOutcome {
    int frames = 0;       // frame steps read
    int goalFrame = 0;    // the first with the goal reached, 0 if none
    int missFrame = 0;    // the first with the heroine not alive before the goal, 0 if none
    std::string handedTo; // the first other scene, empty if the stage never ended
};
// Reads the trace of a run that starts in `scene`, up to the first other scene.
StageOutcome ReadStageTrace(const std::string& traceFile, const std::string& scene);

// The secret's key script of a stage, beside its clear script.
std::string SecretScriptPath(const StageCase& stage);

// Plays a key script of a stage in a game folder until its clear has had time
// to hand over, writing the run's trace to `traceFile` (through a file of its
// own first, so that a test reading it side by side never sees half a trace).
// Returns the runner's exit code.
int PlayScript(const StageCase& stage, const std::string& keys, const std::string& folder,
               const std::string& traceFile);

// Where the trace of a stage's clear is kept in the build: the stage-clear test
// writes it, and the tests that measure the clear read it back.
std::string ClearTracePath(const StageCase& stage);

// What a run asks of the player, up to the goal, in map pixels.
struct StageFigures {
    int goalFrame = 0;  // the first frame with the goal reached, 0 if none
    int missFrame = 0;  // the first with the heroine not alive before the goal, 0 if none
    std::set<int> rows; // map rows she stood on (the row whose top her feet rest on)
    float top = 0.0f;   // highest and lowest point of her feet
    float bottom = 0.0f;
    bool tall = false;  // the view scrolled up or down: the map is taller than a screen
    int leftFrames = 0; // frames in which she moved left
    int livesAtStart = 0;
    int livesAtGoal = 0;
    int scoreAtGoal = 0;
    int heightSpan() const { return static_cast<int>(bottom - top); }
};
StageFigures ReadFigures(const std::string& traceFile, const std::string& scene);

// The figures of a run of `keys`, and of the stage's clear script (from the
// kept trace while it is newer than the script, the map and the test itself).
StageFigures RunFigures(const StageCase& stage, const std::string& keys);
StageFigures ClearFigures(const StageCase& stage);

// The frame step of a key script's last line.
int LastScriptFrame(const std::string& file);

// The whole file, or an empty string when it cannot be read.
std::string ReadBytes(const std::string& path);

// A game folder of the test's own: links to the built game's data, so that
// the progress and replays the stages write stay out of the build.
class ScratchGameFolder {
public:
    ScratchGameFolder();
    ~ScratchGameFolder();
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    std::string path; // empty when it could not be made
};

} // namespace stagerun
