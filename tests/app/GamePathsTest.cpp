// Where the game reads and writes: the portable folder, an installed copy
// with the user's XDG folders, user files overriding the shipped data, and the
// saves that follow the chosen folders.
#include "app/Paths.h"
#include "app/Ranking.h"
#include "app/SystemInfo.h"
#include "lib/myInput.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A temporary folder tree, and the game's folders restored afterwards.
class GamePaths : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/vrels-paths-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root = name;
        saved = vrels::CurrentGameFolders();
    }
    void TearDown() override {
        vrels::UseGameFolders(saved);
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }

    void Write(const std::string& path, const std::string& text) {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    vrels::EnvironmentLookup Env(std::map<std::string, std::string> values) {
        env = std::move(values);
        return [this](const char* name) -> const char* {
            const auto found = env.find(name);
            return found == env.end() ? nullptr : found->second.c_str();
        };
    }

    std::string root;
    vrels::GameFolders saved;
    std::map<std::string, std::string> env;
};

TEST_F(GamePaths, DataBesideAWritableExecutableMakesAPortableFolder) {
    fs::create_directories(root + "/game/gfx");
    vrels::GameFolders folders;
    ASSERT_TRUE(
        vrels::DetectGameFolders(root + "/game", Env({{"HOME", root + "/home"}}), &folders));
    EXPECT_TRUE(folders.portable);
    EXPECT_EQ(folders.data, root + "/game/");
    EXPECT_EQ(folders.config, folders.data);
    EXPECT_EQ(folders.saves, folders.data);
    EXPECT_EQ(folders.state, folders.data);
    EXPECT_EQ(folders.overrides, "") << "a portable folder is modded in place";

    // Inside the game folder every name stays as short as it always was.
    vrels::UseGameFolders(vrels::RelativeToDataFolder(folders));
    EXPECT_EQ(vrels::SettingsPath(), "vrels.ini");
    EXPECT_EQ(vrels::RankingPath(), "score.ini");
    EXPECT_EQ(vrels::ReplayFolder(), "replay/");
    EXPECT_EQ(vrels::LogFilePath(), "log.txt");
    EXPECT_EQ(vrels::DataPath("gfx/coin.tga"), "gfx/coin.tga");
}

TEST_F(GamePaths, AnInstalledCopyWritesToTheXdgFolders) {
    const std::string bin = root + "/usr/games";
    fs::create_directories(bin);
    fs::create_directories(root + "/usr/share/games/vrels/gfx");
    vrels::GameFolders folders;
    ASSERT_TRUE(vrels::DetectGameFolders(bin,
                                         Env({{"HOME", root + "/home"},
                                              {"XDG_CONFIG_HOME", root + "/cfg"},
                                              {"XDG_DATA_HOME", root + "/share"},
                                              {"XDG_STATE_HOME", root + "/state"}}),
                                         &folders));
    EXPECT_FALSE(folders.portable) << "even though this user could write the share folder";
    EXPECT_EQ(folders.data, root + "/usr/games/../share/games/vrels/");
    EXPECT_EQ(folders.config, root + "/cfg/vrels/");
    EXPECT_EQ(folders.saves, root + "/share/vrels/");
    EXPECT_EQ(folders.overrides, root + "/share/vrels/");
    EXPECT_EQ(folders.state, root + "/state/vrels/");

    // Unset or relative XDG variables fall back to the home folder.
    ASSERT_TRUE(vrels::DetectGameFolders(
        bin, Env({{"HOME", root + "/home"}, {"XDG_DATA_HOME", "relative/share"}}), &folders));
    EXPECT_EQ(folders.config, root + "/home/.config/vrels/");
    EXPECT_EQ(folders.saves, root + "/home/.local/share/vrels/");
    EXPECT_EQ(folders.state, root + "/home/.local/state/vrels/");

    EXPECT_FALSE(vrels::DetectGameFolders(root + "/nowhere", Env({}), &folders));
}

TEST_F(GamePaths, AReadOnlyGameFolderWritesToTheUserFolders) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser can write any folder";
    }
    fs::create_directories(root + "/game/gfx");
    fs::permissions(root + "/game", fs::perms::owner_read | fs::perms::owner_exec);
    vrels::GameFolders folders;
    ASSERT_TRUE(
        vrels::DetectGameFolders(root + "/game", Env({{"HOME", root + "/home"}}), &folders));
    fs::permissions(root + "/game", fs::perms::owner_all);
    EXPECT_FALSE(folders.portable);
    EXPECT_EQ(folders.data, root + "/game/");
    EXPECT_EQ(folders.saves, root + "/home/.local/share/vrels/");
}

TEST_F(GamePaths, TheUsersFileOverridesTheShippedOne) {
    vrels::GameFolders folders = vrels::UserFolders(root + "/data", Env({{"HOME", root}}));
    folders.overrides = root + "/mine/";
    vrels::UseGameFolders(folders);
    Write(root + "/data/gfx/coin.tga", "shipped");
    Write(root + "/data/map/test.tm2", "shipped");
    Write(root + "/mine/gfx/coin.tga", "mine");
    fs::create_directories(root + "/mine/map/test.tm2"); // a folder is no file

    EXPECT_EQ(vrels::DataPath("gfx/coin.tga"), root + "/mine/gfx/coin.tga");
    EXPECT_EQ(vrels::DataPath("map/test.tm2"), root + "/data/map/test.tm2");
    EXPECT_EQ(vrels::DataPath("se/none.wav"), root + "/data/se/none.wav");
    EXPECT_EQ(vrels::DataPath("/abs/file.tga"), "/abs/file.tga");
}

TEST_F(GamePaths, UserFoldersAreCreatedPrivateAndFailuresNamed) {
    const vrels::GameFolders folders = vrels::UserFolders(
        root + "/data", Env({{"HOME", root + "/home"}, {"XDG_STATE_HOME", root + "/st"}}));
    std::string error;
    ASSERT_TRUE(vrels::CreateUserFolders(folders, &error)) << error;
    for (const std::string& folder : {folders.config, folders.saves + "replay/", folders.state}) {
        struct stat info {};
        ASSERT_EQ(stat(folder.c_str(), &info), 0) << folder;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
    ASSERT_TRUE(vrels::CreateUserFolders(folders, &error)) << "existing folders are fine";

    Write(root + "/blocked", "a file where a folder should be");
    const vrels::GameFolders blocked =
        vrels::UserFolders(root + "/data", Env({{"HOME", root + "/blocked"}}));
    EXPECT_FALSE(vrels::CreateUserFolders(blocked, &error));
    EXPECT_NE(error.find(root + "/blocked/.config"), std::string::npos) << error;
}

TEST_F(GamePaths, RankingAndReplaysFollowTheFolders) {
    vrels::GameFolders folders = vrels::UserFolders(root + "/data", Env({{"HOME", root}}));
    vrels::UseGameFolders(folders);
    std::string error;
    ASSERT_TRUE(vrels::CreateUserFolders(folders, &error)) << error;

    // The shipped ranking until the player's own exists; saves go to the player's.
    Write(root + "/data/score.ini", "500,SHP,1\n");
    SystemInfo_t info;
    vrels::LoadRanking(info, vrels::DataPath("score.ini"));
    ASSERT_EQ(info.ranking.size(), 10u) << "the built-in ranking fills the other places";
    EXPECT_EQ(info.ranking[0].name, "SHP") << "the file's line comes first";
    info.ranking[0].name = "OWN";
    ASSERT_TRUE(vrels::SaveRanking(info, vrels::RankingPath()));
    const std::string saved = Read(folders.saves + "score.ini");
    EXPECT_EQ(saved.substr(0, 10), "500,OWN,1\n");
    vrels::LoadRanking(info, vrels::DataPath("score.ini"));
    EXPECT_EQ(info.ranking[0].name, "OWN");
    EXPECT_EQ(Read(root + "/data/score.ini"), "500,SHP,1\n") << "the shipped file stays";

    // A replay is written to the player's folder and played back from there.
    Write(root + "/data/replay/11.rec", "\x01\x02");
    myInput input("/nonexistent/vrels.ini", &info);
    input.LoadRecording(11);
    EXPECT_EQ(input.recording.size(), 2u) << "the shipped replay";
    input.recording.assign({0x10, 0x10, 0x20});
    input.SaveRecording(11);
    EXPECT_EQ(Read(folders.saves + "replay/11.rec"), "\x10\x10\x20");
    EXPECT_EQ(Read(root + "/data/replay/11.rec"), "\x01\x02");
    input.ClearRecording();
    input.LoadRecording(11);
    EXPECT_EQ(input.recording.size(), 3u) << "the player's latest attempt wins";
}

} // namespace
