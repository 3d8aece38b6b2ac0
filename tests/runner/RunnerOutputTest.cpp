// What the headless runner writes: traces that do not depend on whether
// frames are saved, and output files whose folders it makes and whose write
// failures end the run with an error naming the path.
#include "app/Runner.h"
#include "app/SafeFileWrite.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class RunnerOutput : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vrels-runner-out-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    vrels::RunnerOptions StageRun(int frames) const {
        vrels::RunnerOptions options;
        options.dir = VRELS_GAME_DIR;
        options.scene = "Stage0Scene";
        options.frames = frames;
        options.keysFile = std::string(VRELS_TEST_DATA_DIR) + "/stage/test_map_run.keys";
        return options;
    }

    // The message of the error the run ends with; empty when it succeeds.
    static std::string RunError(const vrels::RunnerOptions& options) {
        try {
            vrels::RunHeadless(options);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::string folder;
};

} // namespace

TEST_F(RunnerOutput, SavingFramesDoesNotChangeTheTrace) {
    // Without captures nothing is drawn; with them the saved frames are. The
    // game must go exactly the same way in both.
    vrels::RunnerOptions plain = StageRun(420);
    plain.traceFile = folder + "/plain.jsonl";
    ASSERT_EQ(vrels::RunHeadless(plain), 0);

    vrels::RunnerOptions shot = StageRun(420);
    shot.traceFile = folder + "/shot.jsonl";
    shot.shotAt = {1, 2, 150, 151, 420};
    shot.shotsDir = folder + "/shots";
    ASSERT_EQ(vrels::RunHeadless(shot), 0);

    const std::string a = ReadFile(plain.traceFile);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == ReadFile(shot.traceFile)) << "the traces differ";
    for (int frame : shot.shotAt) {
        const std::string png = vrels::ShotFileName(shot.shotsDir, frame);
        ASSERT_TRUE(fs::exists(png)) << png;
        EXPECT_GT(fs::file_size(png), 1000u) << png;
    }
    // Frame 1 presents nothing; its capture is the first presented frame,
    // the same one frame 2 saves.
    EXPECT_EQ(ReadFile(vrels::ShotFileName(shot.shotsDir, 1)),
              ReadFile(vrels::ShotFileName(shot.shotsDir, 2)));
    EXPECT_NE(ReadFile(vrels::ShotFileName(shot.shotsDir, 150)),
              ReadFile(vrels::ShotFileName(shot.shotsDir, 151)))
        << "the view scrolls while the heroine runs";
}

TEST_F(RunnerOutput, OutputFoldersAreCreatedWithTheirParents) {
    vrels::RunnerOptions options = StageRun(30);
    options.shotAt = {30};
    options.shotsDir = folder + "/a/b/shots";
    options.traceFile = folder + "/c/d/trace.jsonl";
    options.audioOut = folder + "/e/f/sound.wav";
    ASSERT_EQ(vrels::RunHeadless(options), 0);
    EXPECT_TRUE(fs::exists(vrels::ShotFileName(options.shotsDir, 30)));
    EXPECT_TRUE(fs::exists(options.traceFile));
    EXPECT_TRUE(fs::exists(options.audioOut));
}

TEST_F(RunnerOutput, WriteFailuresEndTheRunWithAnErrorNamingThePath) {
    // A shots folder that cannot be made: its parent is a file.
    std::ofstream(folder + "/file") << "x";
    vrels::RunnerOptions options = StageRun(10);
    options.shotAt = {5};
    options.shotsDir = folder + "/file/shots";
    EXPECT_NE(RunError(options).find(options.shotsDir), std::string::npos);

    // A capture whose file cannot be written: a folder already has its name.
    options.shotsDir = folder + "/shots";
    fs::create_directories(vrels::ShotFileName(options.shotsDir, 5));
    EXPECT_NE(RunError(options).find(vrels::ShotFileName(options.shotsDir, 5)), std::string::npos);

    // A trace on a full device.
    vrels::RunnerOptions traced = StageRun(200);
    traced.traceFile = "/dev/full";
    EXPECT_NE(RunError(traced).find("/dev/full"), std::string::npos);
    traced.traceFile = folder + "/file/trace.jsonl";
    EXPECT_NE(RunError(traced).find(folder + "/file"), std::string::npos);

    // A sound recording on a full device.
    vrels::RunnerOptions sound = StageRun(10);
    sound.audioOut = "/dev/full";
    EXPECT_NE(RunError(sound).find("/dev/full"), std::string::npos);
}

// A capture is saved whole or the run fails: a link to a device that takes
// nothing is never written through, and a disk that fills up half-way leaves
// no cut picture behind.
TEST_F(RunnerOutput, CapturesThatCannotBeWrittenWholeFailTheRun) {
    vrels::RunnerOptions options = StageRun(10);
    options.shotAt = {5};
    options.shotsDir = folder + "/shots";
    const std::string shot = vrels::ShotFileName(options.shotsDir, 5);
    fs::create_directories(options.shotsDir);
    fs::create_symlink("/dev/full", shot);
    EXPECT_NE(RunError(options).find(shot), std::string::npos);
    fs::remove(shot);

    vrels::SetSaveStepHook(
        [](vrels::SaveStep step) { return step == vrels::SaveStep::WriteSecondHalf ? ENOSPC : 0; });
    const std::string error = RunError(options);
    vrels::SetSaveStepHook(nullptr);
    EXPECT_NE(error.find(shot), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(shot));
    EXPECT_FALSE(fs::exists(shot + vrels::kSaveTempSuffix));

    ASSERT_EQ(RunError(options), "");
    EXPECT_EQ(ReadFile(shot).substr(1, 3), "PNG");
}

TEST_F(RunnerOutput, CapturesOutsideTheRunAreRefused) {
    vrels::RunnerOptions options;
    std::string error;
    EXPECT_FALSE(
        vrels::ParseRunnerArguments({"--frames", "10", "--shot-at", "5,11"}, &options, &error));
    EXPECT_NE(error.find("11"), std::string::npos);
    options = vrels::RunnerOptions();
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--shot-at", "0"}, &options, &error));
    options = vrels::RunnerOptions();
    EXPECT_TRUE(
        vrels::ParseRunnerArguments({"--shot-at", "600", "--shots", "out"}, &options, &error));
    // Without --shots the captures would land wherever the run was started.
    options = vrels::RunnerOptions();
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--shot-at", "5"}, &options, &error));
    EXPECT_NE(error.find("--shots"), std::string::npos) << error;
}

// A mistyped scene is answered with the names there are, here and in --help.
TEST_F(RunnerOutput, UnknownScenesAreAnsweredWithTheSceneNames) {
    vrels::RunnerOptions options;
    std::string error;
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--scene", "Stage1_BossScene"}, &options, &error));
    for (const char* name : {"Stage1_BossScene", "TitleScene", "Stage0Scene", "Stage1bossScene",
                             "Trial1_1Scene", "StageSelectScene"}) {
        EXPECT_NE(error.find(name), std::string::npos) << name << " in " << error;
    }
    EXPECT_NE(vrels::RunnerUsage().find("Stage5_4Scene"), std::string::npos);
    options = vrels::RunnerOptions();
    EXPECT_TRUE(vrels::ParseRunnerArguments({"--scene", "Stage2_3Scene"}, &options, &error));
}

// A folder without the game's data ends the run at once, naming where the
// runner looked, instead of playing on with every picture missing.
TEST_F(RunnerOutput, NoGameDataIsAnErrorNamingWhereItLooked) {
    vrels::RunnerOptions options = StageRun(10);
    options.dir = folder;
    EXPECT_NE(RunError(options).find(folder), std::string::npos);

    // No --dir, started in a folder without data: neither beside the runner
    // (the test program) nor installed nor in the working directory.
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof(old)), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    options.dir.clear();
    const std::string error = RunError(options);
    ASSERT_EQ(chdir(old), 0);
    EXPECT_NE(error.find("no game data"), std::string::npos) << error;
    EXPECT_NE(error.find(folder), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(folder + "/log.txt")) << "nothing written where it stands";
}

// Each run starts a fresh log, as the game does.
TEST_F(RunnerOutput, EachRunStartsAFreshLog) {
    for (const char* data : {"gfx", "map", "bgm", "se", "adv"}) {
        fs::create_directory_symlink(std::string(VRELS_GAME_DIR) + "/" + data, folder + "/" + data);
    }
    std::ofstream(folder + "/log.txt") << "a line of an earlier run\n";
    vrels::RunnerOptions options = StageRun(5);
    options.dir = folder;
    ASSERT_EQ(RunError(options), "");
    const std::string log = ReadFile(folder + "/log.txt");
    EXPECT_EQ(log.find("earlier run"), std::string::npos);
    EXPECT_NE(log.find("Direct3DCreate9"), std::string::npos) << log;
}

TEST_F(RunnerOutput, DrawListingsAreWrittenForTheAskedFramesAndLeaveTheTraceAlone) {
    vrels::RunnerOptions plain = StageRun(150);
    plain.traceFile = folder + "/plain.jsonl";
    ASSERT_EQ(vrels::RunHeadless(plain), 0);

    vrels::RunnerOptions listed = StageRun(150);
    listed.traceFile = folder + "/listed.jsonl";
    listed.drawsAt = {149, 150};
    listed.shotsDir = folder + "/x/listings";
    ASSERT_EQ(vrels::RunHeadless(listed), 0);
    EXPECT_TRUE(ReadFile(plain.traceFile) == ReadFile(listed.traceFile)) << "the traces differ";
    const std::string listing = ReadFile(vrels::DrawsFileName(listed.shotsDir, 150));
    ASSERT_FALSE(listing.empty());
    EXPECT_EQ(listing.rfind("0 sprite \"", 0), 0u) << listing.substr(0, 200);
    EXPECT_NE(listing.find(" \"NormalFont\" rect "), std::string::npos) << "the HUD's text";
    EXPECT_NE(ReadFile(vrels::DrawsFileName(listed.shotsDir, 149)), listing)
        << "the view scrolls while the heroine runs";

    // A listing that cannot be written ends the run naming it.
    fs::remove(vrels::DrawsFileName(listed.shotsDir, 150));
    fs::create_directories(vrels::DrawsFileName(listed.shotsDir, 150));
    EXPECT_NE(RunError(listed).find(vrels::DrawsFileName(listed.shotsDir, 150)), std::string::npos);

    std::string error;
    vrels::RunnerOptions options;
    EXPECT_FALSE(
        vrels::ParseRunnerArguments({"--frames", "10", "--draws-at", "11"}, &options, &error));
    EXPECT_NE(error.find("--draws-at 11"), std::string::npos) << error;
    options = vrels::RunnerOptions();
    EXPECT_FALSE(
        vrels::ParseRunnerArguments({"--shot-at", "5", "--draws-at", "6"}, &options, &error));
    EXPECT_NE(error.find("cannot be used in one run"), std::string::npos) << error;
    options = vrels::RunnerOptions();
    EXPECT_FALSE(vrels::ParseRunnerArguments({"--draws-at", "5"}, &options, &error));
    EXPECT_NE(error.find("--draws-at needs --shots"), std::string::npos) << error;
    options = vrels::RunnerOptions();
    EXPECT_TRUE(
        vrels::ParseRunnerArguments({"--draws-at", "1,600", "--shots", "out"}, &options, &error));
    EXPECT_EQ(options.drawsAt, std::vector<int>({1, 600}));
}
