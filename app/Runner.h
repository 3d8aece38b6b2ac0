#pragma once
// The headless runner: boots the same application (same Initialize, same
// scenes) on the offscreen video driver without a sound device, uncapped, and
// drives it for a number of frame steps from a key script or button bytes.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vrels {

struct RunnerOptions {
    // The portable game folder, also the working directory; empty: the
    // game's own folders, found as the game finds them.
    std::string dir;
    std::string scene = "TitleScene";
    int frames = 600;
    std::string keysFile;    // "FRAME KEY KEY ..." per line
    std::string buttonsFile; // replay-format bytes fed as live buttons
    std::vector<int> shotAt; // frame steps whose presented frame is saved
    // Frame steps whose draws are listed as text (the recording back end);
    // not together with shotAt.
    std::vector<int> drawsAt;
    std::string shotsDir = ".";     // where the pictures and listings go
    std::string traceFile;          // one JSON object per frame step
    std::string audioOut;           // WAV of the sound output, rendered offline
    std::vector<std::string> music; // --music INTRO [LOOP]: play only this piece
    double seconds = 0.0;           // length of the --music recording
    bool stats = false;             // print speed and peak memory at the end
    bool unhurtable = false;        // the heroine cannot be hurt, as in bench play
    bool demo = false;              // the stage plays its replay file as the attract demo
};

// A key script: from each listed frame on, exactly the listed keys are held.
using KeyScript = std::map<int, std::set<int>>;
// Parses a key script; false with a message naming the line on error.
bool ParseKeyScript(const std::string& text, KeyScript* script, std::string* error);

// Parses the command line; false with a message on error.
bool ParseRunnerArguments(const std::vector<std::string>& args, RunnerOptions* options,
                          std::string* error);
std::string RunnerUsage();

// Runs the game headless. Returns the exit code; errors that escape the game
// are thrown to the caller. The working directory is restored afterwards.
int RunHeadless(const RunnerOptions& options);

// File name of the capture taken at a frame step.
std::string ShotFileName(const std::string& dir, int frame);
// File name of the draw listing taken at a frame step.
std::string DrawsFileName(const std::string& dir, int frame);

} // namespace vrels
