// vrels-storygen as the build runs it: reproducible line pictures, and clear
// refusals of stories that would not fit or do not hang together.
#include "TgaFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kTool = std::string(VRELS_TOOLS_DIR) + "/vrels-storygen";
const std::string kStoryDir = VRELS_STORY_DIR;
const std::string kGameDir = VRELS_GAME_DIR;

const char* const kCast = "speaker vrel \"Vrel\" fill=#ffd2da\n";

class StorygenTool : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               (std::string("vrels-storygen-") + info->name() + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "story");
    }
    void TearDown() override { fs::remove_all(dir_); }

    void WriteStory(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / "story" / name) << text;
    }
    int Run(const std::string& storyDir, const fs::path& gameDir, const std::string& extra = "") {
        const fs::path log = dir_ / "stderr.txt";
        const std::string command = kTool + " --story-dir " + storyDir + " --game-dir " +
                                    gameDir.string() + " " + extra + " >/dev/null 2>" +
                                    log.string();
        const int status = std::system(command.c_str());
        std::ifstream in(log);
        errors_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return WEXITSTATUS(status);
    }

    fs::path dir_;
    std::string errors_;
};

// Setting the story again gives the pictures the build made, byte for byte.
TEST_F(StorygenTool, ResettingTheStoryGivesIdenticalBytes) {
    ASSERT_EQ(Run(kStoryDir, dir_ / "game"), 0) << errors_;
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "game" / "adv")) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(ReadBytes(entry.path().string()), ReadBytes(kGameDir + "/adv/" + name)) << name;
        ++compared;
    }
    EXPECT_EQ(compared, 168);
}

// A line that would need three rows, a repeat of a line never written, a
// line written twice and an unknown speaker are each refused with the place
// of the fault, and nothing claims success.
TEST_F(StorygenTool, RefusesStoriesThatDoNotFitOrHangTogether) {
    struct Case {
        const char* story;
        const char* expected;
    };
    const Case cases[] = {
        {"conversation S\nline x01 left vrel \"This line goes on and on and on, far longer than "
         "any two rows of a conversation picture could ever hold without spilling over.\"\n",
         "rows; shorten it"},
        {"conversation S\nrepeat x02 left\n", "never written"},
        {"conversation S\nline x03 left vrel \"One.\"\nline x03 left vrel \"Two.\"\n",
         "written twice"},
        {"conversation S\nline x04 left nobody \"Who?\"\n", "unknown speaker"},
        {"line x05 left vrel \"Too early.\"\n", "before any conversation"},
        {"conversation S\nstand Mary0 left\n", "lower-case"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        fs::remove_all(dir_ / "story");
        fs::create_directories(dir_ / "story");
        WriteStory("cast.story", kCast);
        WriteStory("test.story", c.story);
        EXPECT_EQ(Run((dir_ / "story").string(), dir_ / "game"), 1);
        EXPECT_NE(errors_.find(c.expected), std::string::npos) << errors_;
        EXPECT_NE(errors_.find("test.story:"), std::string::npos) << errors_;
    }
}

// Output folders are made when missing; one that cannot be made is an error.
TEST_F(StorygenTool, CreatesItsOutputFoldersAndFailsWhenItCannot) {
    WriteStory("cast.story", kCast);
    WriteStory("test.story", "conversation S\nline x01 left vrel \"Hello.\"\n");
    ASSERT_EQ(Run((dir_ / "story").string(), dir_ / "new" / "game"), 0) << errors_;
    TgaImage image;
    std::string error;
    EXPECT_TRUE(ReadTga((dir_ / "new/game/adv/x01.tga").string(), image, error)) << error;

    std::ofstream(dir_ / "plain-file") << "not a folder";
    EXPECT_EQ(Run((dir_ / "story").string(), dir_ / "plain-file" / "game"), 1);
    EXPECT_NE(errors_.find("cannot create"), std::string::npos) << errors_;
}

} // namespace
