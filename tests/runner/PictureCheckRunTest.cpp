// The headless runner refuses the pictures the game refuses. A TGA whose
// header claims 65535 x 65535 pixels once made the runner (which draws
// nothing) decode it anyway and take 16 GiB; now it reports the file and
// draws the placeholder like the game. Run as its own process, so that its
// peak memory is measured alone.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ChildRun {
    int exitCode = -1;
    long peakKiB = 0;
    std::string errors;
};

// Runs the runner with these arguments, its standard error into a file.
ChildRun RunRunner(const std::vector<std::string>& arguments, const std::string& errorFile) {
    std::vector<std::string> words = {std::string(VRELS_TOOLS_DIR) + "/vrels-run"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    ChildRun run;
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen(errorFile.c_str(), "w", stderr) ||
            !std::freopen("/dev/null", "w", stdout)) {
            _exit(126);
        }
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("VRELS_NO_DIALOGS", "1", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
        run.peakKiB = usage.ru_maxrss;
    }
    std::ifstream in(errorFile);
    std::stringstream text;
    text << in.rdbuf();
    run.errors = text.str();
    return run;
}

} // namespace

TEST(PictureCheckRun, TheRunnerRefusesAGiantPictureWithoutDecodingIt) {
    char pattern[] = "/tmp/vrels-picture-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    // A game folder of links, but for the title's backdrop.
    const fs::path game = VRELS_GAME_DIR;
    for (const char* data : {"map", "bgm", "se", "adv"}) {
        fs::create_directory_symlink(game / data, dir / data);
    }
    fs::create_directory(dir / "gfx");
    for (const auto& entry : fs::directory_iterator(game / "gfx")) {
        fs::create_symlink(entry.path(), dir / "gfx" / entry.path().filename());
    }
    fs::remove(dir / "gfx/title_base.tga");
    fs::copy_file(fs::path(VRELS_SOURCE_DIR) / "tests/fuzz/reproducers/tga/65535x65535.tga",
                  dir / "gfx/title_base.tga");

    const ChildRun run =
        RunRunner({"--dir", dir.string(), "--frames", "30"}, (dir / "errors.txt").string());
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_LT(run.peakKiB, 100 * 1024) << "KiB at the peak";
    EXPECT_NE(run.errors.find("gfx/title_base.tga: picture size 65535 x 65535 outside 1 to 8192"),
              std::string::npos)
        << run.errors;
    fs::remove_all(dir);
}
