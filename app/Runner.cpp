#include "app/Runner.h"

#include "app/GameFolderSetup.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/AudioRecorder.h"
#include "lib/KeyCodes.h"
#include "lib/NullGraphicsBackend.h"
#include "lib/Platform.h"
#include "lib/RecordingBackend.h"
#include "lib/ScriptedInputBackend.h"
#include "lib/myDxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "scene/SceneBase.h"
#include "scene/SceneFactory.h"

#include <algorithm>
#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace vrels {

namespace {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("Open Error: " + path);
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool ParseInt(const std::string& text, int* value) {
    try {
        *value = boost::lexical_cast<int>(text);
        return true;
    } catch (const boost::bad_lexical_cast&) {
        return false;
    }
}

std::string JsonEscape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += (boost::format("\\u%04x") % static_cast<int>(c)).str();
        } else {
            out += c;
        }
    }
    return out;
}

// Restores the working directory, the game's folders and the log file when a
// run ends, however it ends.
class FolderGuard {
public:
    FolderGuard() : folders_(CurrentGameFolders()), log_(LogPath()) {
        char buffer[PATH_MAX];
        if (getcwd(buffer, sizeof(buffer))) {
            saved_ = buffer;
        }
    }
    ~FolderGuard() {
        if (!saved_.empty() && chdir(saved_.c_str()) != 0) {
            std::perror("chdir");
        }
        UseGameFolders(folders_);
        SetLogPath(log_);
    }
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

private:
    std::string saved_;
    GameFolders folders_;
    std::string log_;
};

// Processor time the program has used, in seconds.
double ProcessorSeconds() {
    timespec now{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) != 0) {
        return 0.0;
    }
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Creates a folder and its parents; an error names the folder.
void CreateFolder(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder)) {
        throw std::runtime_error("Cannot create the folder " + folder +
                                 (error ? ": " + error.message() : ""));
    }
}

// Creates the folder an output file goes into.
void CreateParentFolder(const std::string& file) {
    if (!file.empty()) {
        CreateFolder(std::filesystem::path(file).parent_path().string());
    }
}

std::string WorkingDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof(buffer)) ? buffer : ".";
}

// --dir names a portable game folder; without it the runner finds its data as
// the game does (beside it or installed), else in the working directory. A
// run without the game's pictures would only report every file missing, so
// it ends at once with the places looked at.
void EnterRunFolders(const RunnerOptions& options) {
    if (options.dir.empty()) {
        const std::string beside = ExecutableDirectory();
        if (EnterGameFolders(beside)) {
            return;
        }
        UseWorkingDirectory("");
        if (!std::filesystem::is_directory("gfx")) {
            throw std::runtime_error(
                "no game data found (a folder holding gfx/): not beside the runner in " + beside +
                ", not installed in " + beside + InstalledDataFromExecutable() +
                ", not in the working directory " + WorkingDirectory() +
                "; name the game folder with --dir (build/game in a build)");
        }
        return;
    }
    if (chdir(options.dir.c_str()) != 0) {
        throw std::runtime_error("Cannot enter the game folder " + options.dir);
    }
    if (!std::filesystem::is_directory("gfx")) {
        throw std::runtime_error("no game data in " + options.dir + ": it has no gfx/ folder");
    }
    UseWorkingDirectory("");
}

// The registered scene names, sorted, as lines of at most 78 columns.
std::string SceneNameList() {
    std::vector<std::string> names = RegisteredSceneNames();
    std::sort(names.begin(), names.end());
    std::string text;
    std::string line = " ";
    for (const std::string& name : names) {
        if (line.size() + 1 + name.size() > 78) {
            text += line + "\n";
            line = " ";
        }
        line += " " + name;
    }
    return text + line + "\n";
}

// --music: one piece through the music stream, rendered offline; no game.
int RecordMusicOnly(const RunnerOptions& options, const std::string& audioOut) {
    FolderGuard guard;
    EnterRunFolders(options);
    const std::string loop = options.music.size() > 1 ? options.music[1] : "";
    const std::string failure =
        audio::RecordMusic(options.music[0], loop, options.seconds, audioOut);
    if (!failure.empty()) {
        std::fprintf(stderr, "vrels-run: %s\n", failure.c_str());
        return 1;
    }
    return 0;
}

// "PAD1".."PAD32" (1-based, as "JoyShot" counts) and "PADUP", "PADDOWN",
// "PADLEFT", "PADRIGHT" hold the pad's buttons and directions; -1 otherwise.
int PadCodeFromName(const std::string& name) {
    static const std::pair<const char*, int> kDirections[] = {
        {"PADUP", kHeldPadUp},
        {"PADDOWN", kHeldPadDown},
        {"PADLEFT", kHeldPadLeft},
        {"PADRIGHT", kHeldPadRight},
    };
    for (const auto& direction : kDirections) {
        if (name == direction.first) {
            return direction.second;
        }
    }
    int button = 0;
    if (name.rfind("PAD", 0) == 0 && ParseInt(name.substr(3), &button) && button >= 1 &&
        button <= 32) {
        return kHeldPadButton + button - 1;
    }
    return -1;
}

bool UsesPad(const KeyScript& script) {
    for (const auto& step : script) {
        if (!step.second.empty() && *step.second.rbegin() >= kHeldPadButton) {
            return true;
        }
    }
    return false;
}

} // namespace

bool ParseKeyScript(const std::string& text, KeyScript* script, std::string* error) {
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) {
            continue;
        }
        int frame = 0;
        if (!ParseInt(word, &frame) || frame < 0) {
            *error =
                (boost::format("line %d: frame number expected, got \"%s\"") % lineNumber % word)
                    .str();
            return false;
        }
        std::set<int> keys;
        while (words >> word) {
            const int pad = PadCodeFromName(word);
            if (pad >= 0) {
                keys.insert(pad);
                continue;
            }
            const int key = DikFromName(word.c_str());
            if (key < 0) {
                *error = (boost::format("line %d: unknown key \"%s\"") % lineNumber % word).str();
                return false;
            }
            keys.insert(key);
        }
        (*script)[frame] = keys;
    }
    return true;
}

std::string RunnerUsage() {
    return "usage: vrels-run [--dir DIR] [--scene NAME] [--frames N] [--keys FILE]\n"
           "                 [--buttons FILE] [--shot-at F,F,...] [--draws-at F,F,...]\n"
           "                 [--shots DIR] [--trace FILE]\n"
           "                 [--audio-out FILE.wav] [--stats] [--unhurtable] [--demo]\n"
           "       vrels-run [--dir DIR] --music INTRO [LOOP] --seconds S --audio-out FILE.wav\n"
           "scenes for --scene:\n" +
           SceneNameList();
}

bool ParseRunnerArguments(const std::vector<std::string>& args, RunnerOptions* options,
                          std::string* error) {
    bool shotsGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size()) {
                *error = a + " needs a value";
                return false;
            }
            *out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--dir") {
            if (!value(&options->dir)) {
                return false;
            }
        } else if (a == "--scene") {
            if (!value(&options->scene)) {
                return false;
            }
        } else if (a == "--frames") {
            if (!value(&v)) {
                return false;
            }
            if (!ParseInt(v, &options->frames) || options->frames < 0) {
                *error = "--frames needs a number, got \"" + v + "\"";
                return false;
            }
        } else if (a == "--keys") {
            if (!value(&options->keysFile)) {
                return false;
            }
        } else if (a == "--buttons") {
            if (!value(&options->buttonsFile)) {
                return false;
            }
        } else if (a == "--shot-at" || a == "--draws-at") {
            if (!value(&v)) {
                return false;
            }
            std::istringstream list(v);
            std::string item;
            while (std::getline(list, item, ',')) {
                int frame = 0;
                if (!ParseInt(item, &frame)) {
                    *error = a + " needs frame numbers, got \"" + item + "\"";
                    return false;
                }
                (a == "--shot-at" ? options->shotAt : options->drawsAt).push_back(frame);
            }
        } else if (a == "--shots") {
            if (!value(&options->shotsDir)) {
                return false;
            }
            shotsGiven = true;
        } else if (a == "--trace") {
            if (!value(&options->traceFile)) {
                return false;
            }
        } else if (a == "--audio-out") {
            if (!value(&options->audioOut)) {
                return false;
            }
        } else if (a == "--stats") {
            options->stats = true;
        } else if (a == "--unhurtable") {
            options->unhurtable = true;
        } else if (a == "--demo") {
            options->demo = true;
        } else if (a == "--music") {
            // One file, or an intro and its loop file.
            options->music.clear();
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0 &&
                   options->music.size() < 2) {
                options->music.push_back(args[++i]);
            }
            if (options->music.empty()) {
                *error = "--music needs a file";
                return false;
            }
        } else if (a == "--seconds") {
            if (!value(&v)) {
                return false;
            }
            try {
                options->seconds = boost::lexical_cast<double>(v);
            } catch (const boost::bad_lexical_cast&) {
                options->seconds = -1.0;
            }
            if (!(options->seconds > 0.0)) {
                *error = "--seconds needs a positive number, got \"" + v + "\"";
                return false;
            }
        } else {
            *error = "unknown option \"" + a + "\"";
            return false;
        }
    }
    for (const int frame : options->shotAt) {
        if (frame < 1 || frame > options->frames) {
            *error = (boost::format("--shot-at %d lies outside the run's frame steps 1 to %d") %
                      frame % options->frames)
                         .str();
            return false;
        }
    }
    for (const int frame : options->drawsAt) {
        if (frame < 1 || frame > options->frames) {
            *error = (boost::format("--draws-at %d lies outside the run's frame steps 1 to %d") %
                      frame % options->frames)
                         .str();
            return false;
        }
    }
    if (!options->shotAt.empty() && !options->drawsAt.empty()) {
        *error = "--shot-at and --draws-at cannot be used in one run";
        return false;
    }
    if (!options->music.empty() && (options->audioOut.empty() || options->seconds <= 0.0)) {
        *error = "--music needs --seconds and --audio-out";
        return false;
    }
    // Captures go only where they are asked to, never silently beside the run.
    if ((!options->shotAt.empty() || !options->drawsAt.empty()) && !shotsGiven) {
        *error = std::string(options->shotAt.empty() ? "--draws-at" : "--shot-at") +
                 " needs --shots DIR, the folder the captures are saved in";
        return false;
    }
    if (!IsSceneRegistered(options->scene)) {
        *error = "unknown scene \"" + options->scene + "\"; the scenes are:\n" + SceneNameList();
        error->pop_back(); // the caller ends the line
        return false;
    }
    return true;
}

std::string ShotFileName(const std::string& dir, int frame) {
    return (boost::format("%s/shot_%06d.png") % dir % frame).str();
}

std::string DrawsFileName(const std::string& dir, int frame) {
    return (boost::format("%s/draws_%06d.txt") % dir % frame).str();
}

int RunHeadless(const RunnerOptions& options) {
    // Resolve the output paths before moving into the game folder.
    auto absolute = [](const std::string& path) {
        if (path.empty() || path[0] == '/') {
            return path;
        }
        char buffer[PATH_MAX];
        return getcwd(buffer, sizeof(buffer)) ? std::string(buffer) + "/" + path : path;
    };
    const std::string shotsDir = absolute(options.shotsDir);
    const std::string traceFile = absolute(options.traceFile);
    const std::string audioOut = absolute(options.audioOut);
    CreateParentFolder(audioOut);
    if (!options.music.empty()) {
        return RecordMusicOnly(options, audioOut);
    }

    KeyScript script;
    if (!options.keysFile.empty()) {
        std::string error;
        if (!ParseKeyScript(ReadWholeFile(options.keysFile), &script, &error)) {
            throw std::runtime_error(options.keysFile + ": " + error);
        }
    }
    std::vector<std::uint8_t> buttons;
    if (!options.buttonsFile.empty()) {
        const std::string bytes = ReadWholeFile(options.buttonsFile);
        buttons.assign(bytes.begin(), bytes.end());
    }

    FolderGuard guard;
    EnterRunFolders(options);
    // Each run starts its log afresh, as the game does.
    if (std::remove(LogPath().c_str()) != 0 && errno != ENOENT) {
        std::fprintf(stderr, "vrels-run: cannot remove %s: %s\n", LogPath().c_str(),
                     std::strerror(errno));
    }
    // Each run starts as a fresh game does, whatever ran before in this process.
    DxGraphics::ResetTiledOffset();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("VRELS_NO_DIALOGS", "1", 1);

    CreateFolder(shotsDir);
    std::unique_ptr<std::ofstream> trace;
    if (!traceFile.empty()) {
        CreateParentFolder(traceFile);
        trace = std::make_unique<std::ofstream>(traceFile, std::ios::trunc);
        if (!*trace) {
            throw std::runtime_error("Open Error: " + traceFile);
        }
    }
    const std::set<int> shots(options.shotAt.begin(), options.shotAt.end());
    const std::set<int> listings(options.drawsAt.begin(), options.drawsAt.end());

    AppOptions appOptions;
    appOptions.headless = true;
    appOptions.noSound = true;
    appOptions.forceNoWait = true;
    appOptions.forceWindowed = true;
    appOptions.firstScene = options.scene;
    appOptions.demo = options.demo;
    // Without captures nothing is ever looked at: draw nothing at all. The
    // scenes still run their draw passes, so the game goes exactly the same way.
    // Draw listings come from the recording back end, which checks the
    // pictures but never decodes them.
    if (!listings.empty()) {
        appOptions.graphicsBackend = std::make_unique<RecordingBackend>();
    } else if (shots.empty()) {
        appOptions.graphicsBackend = std::make_unique<NullGraphicsBackend>();
    }
    // With --audio-out the sound goes to an offline mixer instead of nowhere.
    std::unique_ptr<audio::AudioRecorder> recorder;
    if (!audioOut.empty()) {
        recorder = std::make_unique<audio::AudioRecorder>();
        appOptions.audioDevice = recorder->Device();
    }
    auto keys = std::make_unique<ScriptedInputBackend>();
    ScriptedInputBackend* keyboard = keys.get();
    // A script that presses the pad plugs one in.
    keyboard->padPresent = UsesPad(script);
    appOptions.inputBackend = std::move(keys);

    int exitCode = 0;
    std::string failure;
    {
        VrelsSkarovApp app("", std::move(appOptions));
        if (!app.Initialize()) {
            throw std::runtime_error("初期化失敗");
        }
        if (!options.buttonsFile.empty()) {
            app.input->SetButtonFeed(buttons);
        }
        if (options.unhurtable) {
            // The bench rule alone: nothing hurts the heroine, but the frame
            // statistics of a bench run stay off.
            app.gameState->bench = 1;
        }
        // With captures, only the saved frames are drawn: the renderer's work
        // (and, offscreen, its memory) does not grow with the run's length.
        app.graphics->SetDrawOnlyCapturedFrames(true);
        std::string line;
        const auto loopStart = std::chrono::steady_clock::now();
        const double cpuStart = ProcessorSeconds();
        int steps = 0;
        bool quit = false;
        for (int frame = 1; frame <= options.frames && !quit && failure.empty(); ++frame) {
            const auto held = script.upper_bound(frame);
            if (held != script.begin()) {
                keyboard->SetHeld(std::prev(held)->second);
            }
            if (shots.count(frame)) {
                app.graphics->RequestCapture(ShotFileName(shotsDir, frame));
            }
            if (listings.count(frame)) {
                app.graphics->RequestCapture(DrawsFileName(shotsDir, frame));
            }
            app.OnIdle(frame);
            ++steps;
            if (recorder) {
                recorder->Step(app.music.get());
            }
            int code = 0;
            quit = app.PumpEvents(&code);
            if (quit) {
                exitCode = code;
            }
            if (trace) {
                // Plain appends: this runs every step, and formatting is
                // a fair share of a step's time.
                line.clear();
                line += "{\"frame\":";
                line += std::to_string(frame);
                line += ",\"scene\":\"";
                line += JsonEscape(app.currentSceneName);
                line += "\",\"objects\":";
                line += std::to_string(app.objects ? app.objects->Count() : 0);
                if (app.scene) {
                    app.scene->AppendTrace(line);
                }
                line += "}\n";
                *trace << line;
                if (!*trace) {
                    failure = "Cannot write " + traceFile;
                }
            }
            const std::vector<std::string> failed = app.graphics->TakeFailedCaptures();
            if (!failed.empty()) {
                const std::string log = !LogPath().empty() && LogPath()[0] == '/'
                                            ? LogPath()
                                            : WorkingDirectory() + "/" + LogPath();
                failure = "Cannot write " + failed.front() + " (" + log + " says why)";
            }
        }
        if (options.stats) {
            // Processor time as well as wall time: on a shared machine the
            // wall clock also counts the time other programs had the processor.
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - loopStart).count();
            const double cpu = ProcessorSeconds() - cpuStart;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("vrels-run: %d frame steps in %.3f s: %.0f steps/s; %.3f s of processor "
                        "time: %.0f steps/s; peak memory %.1f MiB\n",
                        steps, seconds, seconds > 0 ? steps / seconds : 0.0, cpu,
                        cpu > 0 ? steps / cpu : 0.0, static_cast<double>(usage.ru_maxrss) / 1024.0);
            std::fflush(stdout);
        }
        if (failure.empty() && !app.graphics->PendingCaptures().empty()) {
            failure = "No frame was presented for " + app.graphics->PendingCaptures().front();
        }
        if (!app.Destroyed()) {
            app.OnDestroy();
            int code = 0;
            app.PumpEvents(&code);
        }
    }
    if (trace && failure.empty()) {
        trace->close();
        if (trace->fail()) {
            failure = "Cannot write " + traceFile;
        }
    }
    if (!failure.empty()) {
        platform::Shutdown();
        throw std::runtime_error(failure);
    }
    if (recorder && !recorder->Write(audioOut)) {
        throw std::runtime_error("Cannot write " + audioOut);
    }
    platform::Shutdown();
    return exitCode;
}

} // namespace vrels
