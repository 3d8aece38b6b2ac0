#include "../support/EngineFixture.h"
#include "app/Log.h"
#include "lib/KeyCodes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

class Input : public EngineFixture {
protected:
    // Works in a fresh scratch folder (replays live in "replay/" below the
    // working folder) until the test ends.
    void EnterScratchFolder() {
        char pattern[] = "/tmp/vrels-replay-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch_ = pattern;
        char old[4096];
        ASSERT_NE(getcwd(old, sizeof(old)), nullptr);
        old_ = old;
        ASSERT_EQ(chdir(pattern), 0);
    }
    void TearDown() override {
        if (!scratch_.empty()) {
            EXPECT_EQ(chdir(old_.c_str()), 0);
            std::filesystem::remove_all(scratch_);
        }
        EngineFixture::TearDown();
    }
    std::string scratch_;
    std::string old_;
};

TEST_F(Input, KeyHeldAtStartNeedsARelease) {
    Hold({dik::Z});
    EXPECT_FALSE(app->input->KeyPressed(dik::Z));
    Hold({});
    EXPECT_FALSE(app->input->KeyPressed(dik::Z));
    int presses = 0;
    for (int frame = 0; frame < 10; ++frame) {
        Hold({dik::Z});
        presses += app->input->KeyPressed(dik::Z) ? 1 : 0;
    }
    EXPECT_EQ(presses, 1);
}

TEST_F(Input, PadButtonsLatchAndOutOfRangeButtonsNeverCount) {
    keyboard->padPresent = true;
    keyboard->pad.buttons[2] = 0x80;
    Hold({});
    EXPECT_TRUE(app->input->PadButtonDown(2));
    EXPECT_FALSE(app->input->PadButtonPressed(2)) << "held since start";
    keyboard->pad.buttons[2] = 0;
    Hold({});
    EXPECT_FALSE(app->input->PadButtonPressed(2));
    keyboard->pad.buttons[2] = 0x80;
    Hold({});
    EXPECT_TRUE(app->input->PadButtonPressed(2));
    EXPECT_FALSE(app->input->PadButtonPressed(2)) << "asking twice in a frame";
    EXPECT_FALSE(app->input->PadButtonDown(47));
    EXPECT_FALSE(app->input->PadButtonPressed(-1));
}

TEST_F(Input, ButtonByteCombinesKeyboardAndPad) {
    keyboard->padPresent = true;
    keyboard->pad.y = 600; // pad down
    keyboard->pad.buttons[myInput::DefaultPadSub] = 0x80;
    Hold({dik::UP, dik::Z});
    const std::uint8_t b = app->input->ReadButtons();
    EXPECT_EQ(b, ButtonUp | ButtonDown | ButtonShot | ButtonSub);
    keyboard->pad = vrels::PadState{};
    keyboard->pad.x = -501;
    Hold({dik::X});
    EXPECT_EQ(app->input->ReadButtons(), ButtonLeft | ButtonSub);
    EXPECT_EQ(app->input->recording.size(), 2u) << "one byte per live read";
}

TEST_F(Input, AutomaticPlayFollowsThePatternAndRecordsNothing) {
    app->gameState->commandLineStart = true;
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 1100; ++i) {
        bytes.push_back(app->input->ReadButtons());
    }
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[99], ButtonShot);  // frame 100
    EXPECT_EQ(bytes[199], ButtonSub);  // frame 200
    EXPECT_EQ(bytes[209], 0);          // frame 210
    EXPECT_EQ(bytes[319], 0);          // frame 320
    EXPECT_EQ(bytes[548], ButtonShot); // frame 549
    EXPECT_EQ(bytes[549], 0);          // frame 550 resets the counter
    EXPECT_EQ(bytes[550 + 99], ButtonShot);
    EXPECT_TRUE(app->input->recording.empty());
}

TEST_F(Input, ReplayFilesRoundTripAndDemosNeverWrite) {
    EnterScratchFolder();

    Hold({dik::RIGHT});
    for (int i = 0; i < 600; ++i) {
        app->input->ReadButtons();
    }
    app->input->SaveRecording(11); // creates the missing folder
    struct stat st {};
    ASSERT_EQ(stat("replay/11.rec", &st), 0);
    EXPECT_EQ(st.st_size, 600);

    app->input->ClearRecording();
    app->gameState->demo = true;
    app->input->LoadRecording(11);
    ASSERT_EQ(app->input->recording.size(), 600u);
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(app->input->ReadButtons(), ButtonRight);
    }
    EXPECT_EQ(app->input->ReadButtons(), 0) << "frame 601 reads nothing";
    app->input->recording.assign(3, ButtonShot);
    app->input->SaveRecording(11);
    ASSERT_EQ(stat("replay/11.rec", &st), 0);
    EXPECT_EQ(st.st_size, 600) << "a demo never overwrites a replay";

    app->input->ClearRecording();
    app->input->LoadRecording(99); // missing: nothing
    EXPECT_TRUE(app->input->recording.empty());
}

// A hostile replay: bits 6 and 7 never reach the heroine, and a file larger
// than any stage records plays nothing and says why in the log.
TEST_F(Input, ReplaysAreMaskedToSixBitsAndOversizedOnesRefused) {
    EnterScratchFolder();
    ASSERT_EQ(mkdir("replay", 0755), 0);
    vrels::SetLogPath(scratch_ + "/log.txt");
    app->gameState->demo = true;

    std::ofstream("replay/11.rec", std::ios::binary) << std::string("\xC0\xFF\x51", 3);
    app->input->LoadRecording(11);
    EXPECT_EQ(app->input->ReadButtons(), 0);
    EXPECT_EQ(app->input->ReadButtons(), 0x3F);
    EXPECT_EQ(app->input->ReadButtons(), ButtonUp | ButtonShot);

    const auto limit = static_cast<size_t>(myInput::MaxReplayBytes);
    std::ofstream("replay/12.rec", std::ios::binary) << std::string(limit, '\x08');
    std::ofstream("replay/13.rec", std::ios::binary) << std::string(limit + 1, '\x08');
    app->input->ClearRecording();
    app->input->LoadRecording(12);
    EXPECT_EQ(app->input->recording.size(), limit) << "a full megabyte still plays";
    app->input->ClearRecording();
    app->input->LoadRecording(13);
    EXPECT_TRUE(app->input->recording.empty());
    std::ifstream log("log.txt");
    std::string line;
    std::getline(log, line);
    EXPECT_EQ(line, "Replay refused: replay/13.rec: larger than 1048576 bytes");

    vrels::SetLogPath("log.txt");
}

TEST_F(Input, ConfirmTakesTheFirstFreshSource) {
    Hold({});
    EXPECT_FALSE(app->input->ConfirmPressed()); // asking while released clears the latches
    Hold({dik::RETURN});
    EXPECT_TRUE(app->input->ConfirmPressed());
    EXPECT_FALSE(app->input->ConfirmPressed());
    // Each call stops at the first fresh source, so the later latches stay armed.
    Hold({});
    EXPECT_FALSE(app->input->ConfirmPressed());
    Hold({dik::Z, dik::RETURN});
    EXPECT_TRUE(app->input->ConfirmPressed()) << "the shot key";
    EXPECT_TRUE(app->input->ConfirmPressed()) << "then Return, still fresh";
    EXPECT_FALSE(app->input->ConfirmPressed());
    EXPECT_EQ(vrels::DikFromName("RETURN"), 0x1C);
    EXPECT_EQ(vrels::DikFromName("F12"), 0x58);
    EXPECT_EQ(vrels::DikFromName("nonsense"), -1);
}

// The controls promise "shoot, confirm: Z or Return": Return sets the shot
// bit in play, not only in menus, and the settings still name the keys.
TEST_F(Input, ReturnShootsLikeTheShotKey) {
    Hold({dik::RETURN});
    EXPECT_EQ(app->input->ReadButtons(), ButtonShot);
    Hold({dik::RETURN, dik::Z});
    EXPECT_EQ(app->input->ReadButtons(), ButtonShot);
    app->input->shotKey = dik::A; // a player's own shot key
    Hold({dik::A});
    EXPECT_EQ(app->input->ReadButtons(), ButtonShot);
    Hold({dik::RETURN});
    EXPECT_EQ(app->input->ReadButtons(), ButtonShot) << "Return stays a shot key";
    app->input->subKey = dik::RETURN; // Return made the jump key: it only jumps
    Hold({dik::RETURN});
    EXPECT_EQ(app->input->ReadButtons(), ButtonSub);
}
