// vrels-autoplay: finds a key script that plays a stage from its start to its
// goal, for the runner (`vrels-run --keys`) and the stage-clear test.
//
//   vrels-autoplay --scene Stage1_1Scene --out tests/data/stages/stage1_1.keys
//   vrels-autoplay --map stage2_3.tm2 --out /tmp/try.keys   # through the test stage
#include "app/GameFolderSetup.h"
#include "app/Paths.h"
#include "app/Runner.h"
#include "app/VrelsSkarovApp.h"
#include "lib/NullGraphicsBackend.h"
#include "lib/Platform.h"
#include "lib/ScriptedInputBackend.h"
#include "tools/autoplay/ForkSearch.h"
#include "tools/autoplay/GameFolder.h"
#include "tools/autoplay/KeyScriptText.h"
#include "tools/autoplay/StageProbe.h"

#include <boost/lexical_cast.hpp>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Options {
    std::string dir = "build/game";
    std::string scene = "Stage0Scene";
    std::string map; // stands in for the test stage's map
    std::string out;
    std::string check; // a key script to play instead of searching
    std::string from;  // a key script to play before searching on from its end
    autoplay::SearchSettings search;
};

const char kUsage[] =
    "usage: vrels-autoplay [--dir GAME] [--scene NAME | --map MAP] --out FILE.keys\n"
    "       vrels-autoplay [--dir GAME] [--scene NAME | --map MAP] --check FILE.keys\n"
    "                      [--budget SEGMENTS] [--segment FRAMES] [--stall FRAMES]\n"
    "                      [--time-shift BITS] [--depth-first 1] [--show-way 1]\n"
    "                      [--from FILE.keys] [--fight-stall FRAMES] [--beam WIDTH]\n"
    "                      [--goal-at COLUMN,ROW]\n";

bool Parse(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "vrels-autoplay: %s needs a value\n", a.c_str());
            return false;
        }
        const std::string v = argv[++i];
        try {
            if (a == "--dir") {
                options->dir = v;
            } else if (a == "--scene") {
                options->scene = v;
            } else if (a == "--map") {
                options->map = v;
            } else if (a == "--check") {
                options->check = v;
            } else if (a == "--from") {
                options->from = v;
            } else if (a == "--out") {
                options->out = v;
            } else if (a == "--budget") {
                options->search.nodeBudget = boost::lexical_cast<long>(v);
            } else if (a == "--segment") {
                options->search.segmentFrames = boost::lexical_cast<int>(v);
            } else if (a == "--depth-first") {
                options->search.bestFirst = v != "0";
                options->search.bestFirst = !options->search.bestFirst;
            } else if (a == "--time-shift") {
                options->search.timeShift = boost::lexical_cast<int>(v);
            } else if (a == "--goal-at") {
                const size_t comma = v.find(',');
                if (comma == std::string::npos) {
                    throw boost::bad_lexical_cast();
                }
                options->search.targetColumn = boost::lexical_cast<int>(v.substr(0, comma));
                options->search.targetRow = boost::lexical_cast<int>(v.substr(comma + 1));
            } else if (a == "--show-way") {
                options->search.showWay = v != "0";
            } else if (a == "--beam") {
                options->search.beamWidth = boost::lexical_cast<int>(v);
            } else if (a == "--fight-stall") {
                options->search.fightStallFrames = boost::lexical_cast<int>(v);
            } else if (a == "--stall") {
                options->search.stallFrames = boost::lexical_cast<int>(v);
            } else {
                std::fprintf(stderr, "vrels-autoplay: unknown option %s\n", a.c_str());
                return false;
            }
        } catch (const boost::bad_lexical_cast&) {
            std::fprintf(stderr, "vrels-autoplay: %s needs a number, got %s\n", a.c_str(),
                         v.c_str());
            return false;
        }
    }
    if (options->out.empty() && options->check.empty()) {
        std::fprintf(stderr, "vrels-autoplay: --out is required\n");
        return false;
    }
    return true;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("Open Error: " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Plays a key script as the runner does and tells how it ends.
int Check(const vrels::KeyScript& script, vrels::ScriptedInputBackend* keyboard,
          VrelsSkarovApp& app) {
    const int last = script.empty() ? 0 : script.rbegin()->first;
    const auto began = std::chrono::steady_clock::now();
    for (int frame = 1; frame <= last + 60; ++frame) {
        const auto held = script.upper_bound(frame);
        if (held != script.begin()) {
            keyboard->SetHeld(std::prev(held)->second);
        }
        app.OnIdle(frame);
        const autoplay::StageView view = autoplay::LookAtStage();
        if (view.goal || !view.inStage || !view.alive) {
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began)
                    .count();
            std::printf("%s at frame %d, map x %d y %d (%.3f ms a frame)\n",
                        view.goal ? "goal" : (view.inStage ? "miss" : "left the stage"), frame,
                        view.mapX, view.mapY, ms / frame);
            return view.goal ? 0 : 1;
        }
    }
    const autoplay::StageView view = autoplay::LookAtStage();
    std::printf("still playing after frame %d, map x %d y %d\n", last + 60, view.mapX, view.mapY);
    return 1;
}

std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/') {
        return path;
    }
    char buffer[4096];
    return getcwd(buffer, sizeof(buffer)) ? std::string(buffer) + "/" + path : path;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string out = Absolute(options.out);
    const std::string check = Absolute(options.check);
    const std::string from = Absolute(options.from);
    try {
        autoplay::GameFolder folder(Absolute(options.dir), options.map);
        if (chdir(folder.Path().c_str()) != 0) {
            throw std::runtime_error("cannot enter " + folder.Path());
        }
        vrels::UseWorkingDirectory("");
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("VRELS_NO_DIALOGS", "1", 1);
        // The search never reads window events, so a terminate or interrupt
        // that the platform turned into a quit event would go unheard: keep
        // the signals' own effect.
        setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
        // Output piped into a reader that stops early (| head) must not kill
        // a snapshot in the middle of its handshake: the coordinator would
        // wait for it for ever. The search notices the closed pipe itself.
        std::signal(SIGPIPE, SIG_IGN);

        // The same start as the headless runner's, so the script plays the same.
        AppOptions appOptions;
        appOptions.headless = true;
        appOptions.noSound = true;
        appOptions.forceNoWait = true;
        appOptions.forceWindowed = true;
        appOptions.firstScene = options.scene;
        appOptions.graphicsBackend = std::make_unique<vrels::NullGraphicsBackend>();
        auto keys = std::make_unique<vrels::ScriptedInputBackend>();
        vrels::ScriptedInputBackend* keyboard = keys.get();
        appOptions.inputBackend = std::move(keys);

        options.search.verbose = true;
        autoplay::SearchResult result;
        const auto began = std::chrono::steady_clock::now();
        {
            VrelsSkarovApp app("", std::move(appOptions));
            if (!app.Initialize()) {
                throw std::runtime_error("the game did not start");
            }
            int frame = 0;
            auto step = [&](std::uint8_t buttons) {
                keyboard->SetHeld(autoplay::KeysForButtons(buttons));
                app.OnIdle(++frame);
            };
            // Window events only touch the devices; taking them before the
            // search keeps the forked copies away from the platform's queue.
            int code = 0;
            app.PumpEvents(&code);
            if (!options.check.empty()) {
                vrels::KeyScript script;
                std::string error;
                if (!vrels::ParseKeyScript(ReadFile(check), &script, &error)) {
                    throw std::runtime_error(options.check + ": " + error);
                }
                return Check(script, keyboard, app);
            }
            // A saved attempt first: the search goes on from where it ends.
            std::vector<std::uint8_t> prefix;
            if (!options.from.empty()) {
                vrels::KeyScript script;
                std::string error;
                if (!vrels::ParseKeyScript(ReadFile(from), &script, &error)) {
                    throw std::runtime_error(options.from + ": " + error);
                }
                const int last = script.empty() ? 0 : script.rbegin()->first;
                for (int f = 1; f <= last; ++f) {
                    const auto held = script.upper_bound(f);
                    const std::uint8_t buttons =
                        held == script.begin() ? 0
                                               : autoplay::ButtonsForKeys(std::prev(held)->second);
                    prefix.push_back(buttons);
                    step(buttons);
                }
            }
            autoplay::ForkSearch search(step, options.search);
            result = search.Run(prefix);
            app.OnDestroy();
            app.PumpEvents(&code);
        }
        vrels::platform::Shutdown();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        const std::string what = options.map.empty() ? options.scene : options.map;
        const std::string aim = options.search.targetColumn < 0
                                    ? std::string("goal")
                                    : "cell " + std::to_string(options.search.targetColumn) + "," +
                                          std::to_string(options.search.targetRow);
        std::fprintf(stderr,
                     "vrels-autoplay: %s: %s after %ld segments, %.1f s, %zu frames, "
                     "furthest map x %d\n",
                     what.c_str(), result.found ? (aim + " reached").c_str() : "NO PATH FOUND",
                     result.nodes, seconds, result.buttons.size(), result.bestMapX);
        const std::string header =
            "# " + what + (result.found ? ": start to " + aim : ": furthest attempt, NOT a clear") +
            ", found by vrels-autoplay.\n";
        std::ofstream file(out, std::ios::trunc);
        file << autoplay::KeyScriptText(result.buttons, header);
        if (!file) {
            throw std::runtime_error("cannot write " + out);
        }
        return result.found ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vrels-autoplay: %s\n", e.what());
        return 1;
    }
}
