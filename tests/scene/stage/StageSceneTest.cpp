// Stage scene pieces outside the play flow: the attract demo's replay, the
// goal a boss leaves behind and the backdrop's placement.
#include "../../player/StageTestSupport.h"

#include "lib/myInput.h"
#include "world/items/Goal.h"

#include <climits>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using stagetest::StageFixture;

namespace {

std::vector<std::string> Room(int width) {
    std::vector<std::string> rows(15, std::string(static_cast<size_t>(width), '.'));
    rows[11][2] = 'S';
    rows[12] = rows[13] = rows[14] = std::string(static_cast<size_t>(width), '#');
    return rows;
}

class StageScenePieces : public StageFixture {
protected:
    void TearDown() override {
        StageFixture::TearDown();
        if (!savedDir.empty() && chdir(savedDir.c_str()) != 0) {
            std::perror("chdir");
        }
    }
    // Runs the test inside a fresh folder holding a replay for progress 0.
    void UseReplay(const std::vector<std::uint8_t>& bytes) {
        char buffer[PATH_MAX];
        ASSERT_TRUE(getcwd(buffer, sizeof(buffer)));
        savedDir = buffer;
        char folder[] = "/tmp/vrels-stage-demo-XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        ASSERT_EQ(chdir(folder), 0);
        ASSERT_EQ(mkdir("replay", 0755), 0);
        std::ofstream("replay/0.rec", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    // Where the backdrop was drawn by the scene's own draw.
    vrels::QuadVertex BackdropCorner() {
        recorder->ClearDraws();
        stage->Draw();
        for (const auto& d : recorder->Draws()) {
            if (d.texture == "Background") {
                return d.vertices[0];
            }
        }
        ADD_FAILURE() << "no backdrop drawn";
        return {};
    }
    std::string savedDir;
};

} // namespace

TEST_F(StageScenePieces, TheDemoPlaysTheReplayAndEndsAtTheTitle) {
    UseReplay(std::vector<std::uint8_t>(400, ButtonRight));
    app->gameState->demo = true;
    StartStage(Room(20), 99);
    EXPECT_EQ(app->input->recording.size(), 400u) << "the replay is loaded after the player exists";
    SkipIntro();
    const float x = Player().x;
    // Step() feeds no live buttons here: the replay drives the player.
    for (int i = 0; i < 20; ++i) {
        app->input->Update();
        stage->Update();
    }
    EXPECT_GT(Player().x, x);
    EXPECT_EQ(app->input->recording.size(), 400u) << "playback records nothing";

    std::vector<std::string> none;
    stage->OnMessage("KillBoss", none);
    EXPECT_FALSE(stage->pendingScene.empty());
    EXPECT_EQ(stage->pendingScene, "TitleScene");
    std::FILE* replay = std::fopen("replay/0.rec", "rb");
    ASSERT_TRUE(replay);
    std::fseek(replay, 0, SEEK_END);
    EXPECT_EQ(std::ftell(replay), 400) << "a demo never overwrites its replay";
    std::fclose(replay);
}

TEST_F(StageScenePieces, ADemoMissReturnsToTheTitleWithoutTakingALife) {
    UseReplay({});
    app->gameState->demo = true;
    auto rows = Room(20);
    rows[12] = rows[13] = rows[14] = std::string(20, '.');
    StartStage(rows, 99);
    for (int i = 0; i < 400 && stage->pendingScene.empty(); ++i) {
        app->input->Update();
        stage->Update();
    }
    EXPECT_EQ(stage->pendingScene, "TitleScene");
    EXPECT_EQ(app->playerRecord->lives, 99);
}

TEST_F(StageScenePieces, ABossLeavesTheGoalOnItsMarkerCell) {
    StartStage(Room(40));
    stage->SetBossGoalCell(30, 10);
    stage->map->ScrollX(-40.0f);
    stage->SpawnBossGoal();
    Goal* goal = FirstOf<Goal>();
    ASSERT_NE(goal, nullptr);
    // Column 30 under a view one column and 8 pixels along; the mirror's
    // picture stands 176 pixels above the cell's centre.
    EXPECT_EQ(goal->x, 30.0f * 32.0f - 40.0f + 16.0f);
    EXPECT_EQ(goal->y, 10.0f * 32.0f + 16.0f - 176.0f);
}

TEST_F(StageScenePieces, TheBackdropCrossesItsExcessSizeWithTheView) {
    DeclareImage("bg/wide.tga", 800, 600);
    StartStage(Room(20));
    stage->images->Load("Background", "bg/wide.tga", false);
    vrels::QuadVertex corner = BackdropCorner();
    EXPECT_NEAR(corner.x, 0.0f, 1.0f) << "a one-screen-wide map keeps it at x 0";
    EXPECT_NEAR(corner.y, -120.0f, 1.0f) << "a one-screen-high map draws it bottom-aligned";

    StartStage(Room(40));
    stage->images->Load("Background", "bg/wide.tga", false);
    stage->map->ScrollX(-32.0f * 10.0f);
    ASSERT_EQ(stage->scrollX, -320.0f);
    corner = BackdropCorner();
    // 160 spare pixels over 20 spare columns: 8 pixels per column scrolled.
    EXPECT_NEAR(corner.x, -80.0f, 1.0f);
}
