// The name entry: the carousel's selection, erasing, committing into the
// ranking and "score.ini", the time limit and the way back to the title.
#include "SceneTestSupport.h"

#include "app/Ranking.h"
#include "scene/gameover/NameEntryScene.h"

#include <fstream>
#include <sstream>

namespace {

class NameEntry : public scenetest::SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        app->gameState->ranking = vrels::DefaultRanking();
        app->gameState->gameLevel = 2;
        scene = std::make_unique<NameEntryScene>();
    }
    void TearDown() override {
        scene.reset();
        SceneFixture::TearDown();
    }
    // Picks a character by index and confirms it.
    void Choose(int index) {
        scene->selected = index;
        Press(*scene);
    }
    std::string ScoreFile() const {
        std::ifstream in("score.ini", std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::unique_ptr<NameEntryScene> scene;
};

} // namespace

TEST_F(NameEntry, StartsEmptyWithTheFullTimeShownAsSecondsAndHundredths) {
    EXPECT_EQ(scene->name, "___");
    EXPECT_EQ(scene->cursor, 0);
    EXPECT_EQ(scene->timeLeft, 99999);
    EXPECT_EQ(NameEntryScene::TimeText(scene->timeLeft), "99:99");
    EXPECT_EQ(NameEntryScene::TimeText(1005), "1:00");
    EXPECT_EQ(NameEntryScene::TimeText(59990), "59:99") << "seconds, not minutes";
    Step(*scene);
    EXPECT_EQ(scene->timeLeft, 99982);
}

TEST_F(NameEntry, EraseAtTheFirstSlotDoesNothingAndAfterThreeLettersStepsBack) {
    Choose(NameEntryScene::EraseIndex);
    EXPECT_EQ(scene->name, "___");
    EXPECT_EQ(scene->cursor, 0);

    Choose(0);
    Choose(1);
    Choose(2);
    EXPECT_EQ(scene->name, "ABC");
    EXPECT_EQ(scene->cursor, 3);
    EXPECT_EQ(scene->selected, NameEntryScene::EndIndex) << "the selection jumps to the end mark";

    Choose(NameEntryScene::EraseIndex);
    EXPECT_EQ(scene->cursor, 2);
    EXPECT_EQ(scene->name, "ABC") << "the last letter stays until overwritten";
    Choose(3);
    EXPECT_EQ(scene->name, "ABD");
    EXPECT_EQ(scene->cursor, 3);
    EXPECT_FALSE(scene->finished);
}

TEST_F(NameEntry, AtTheLastSlotLeftAndRightOnlyToggleEraseAndEnd) {
    Choose(0);
    Choose(0);
    Choose(0);
    ASSERT_EQ(scene->selected, NameEntryScene::EndIndex);
    scene->moveTimer = 0;
    // A direction is honoured once the move timer passes 0.1 s (7 frames).
    int frames = 0;
    while (scene->selected == NameEntryScene::EndIndex && frames < 20) {
        Step(*scene, {dik::RIGHT});
        ++frames;
    }
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(scene->selected, NameEntryScene::EraseIndex);
    for (int i = 0; i < 7; ++i) {
        Step(*scene, {dik::LEFT});
    }
    EXPECT_EQ(scene->selected, NameEntryScene::EndIndex);
}

TEST_F(NameEntry, SelectionWrapsAndUpOrDownChangesTheSet) {
    for (int i = 0; i < 7; ++i) {
        Step(*scene, {dik::LEFT});
    }
    EXPECT_EQ(scene->selected, 39) << "left from the first character wraps to the last";
    for (int i = 0; i < 7; ++i) {
        Step(*scene, {dik::RIGHT});
    }
    EXPECT_EQ(scene->selected, 0);

    Step(*scene);
    for (int i = 0; i < 7; ++i) {
        Step(*scene, {dik::DOWN});
    }
    EXPECT_TRUE(scene->changingSet);
    int frames = 0;
    while (scene->currentSet == 0 && frames < 30) {
        Step(*scene);
        ++frames;
    }
    EXPECT_EQ(scene->currentSet, 1) << "the carousel shrinks away, then the set changes";
    EXPECT_EQ(scene->carouselSize, 0.0f);
    Choose(26);
    EXPECT_EQ(scene->name, "!__");
}

TEST_F(NameEntry, CommittingOneLetterStoresItWithTwoSpaces) {
    app->playerRecord->rankedScore = 9500;
    Choose(0);
    Choose(NameEntryScene::EndIndex);
    EXPECT_TRUE(scene->finished);
    const auto& ranking = app->gameState->ranking;
    ASSERT_EQ(ranking.size(), 10u);
    EXPECT_EQ(ranking[1].score, 9500);
    EXPECT_EQ(ranking[1].name, "A  ");
    EXPECT_EQ(ranking[1].difficulty, 2);
    EXPECT_EQ(ranking[9].score, 2000);
    const std::string file = ScoreFile();
    EXPECT_NE(file.find("\n9500,A  ,2\n"), std::string::npos) << file;
}

TEST_F(NameEntry, AnEqualScoreDoesNotEnterAndOneHigherTakesTheTenthPlace) {
    app->playerRecord->rankedScore = 1000;
    Choose(NameEntryScene::EndIndex);
    EXPECT_EQ(app->gameState->ranking, vrels::DefaultRanking());

    scene = std::make_unique<NameEntryScene>();
    app->playerRecord->rankedScore = 1001;
    Choose(25);
    Choose(24);
    Choose(23);
    Choose(NameEntryScene::EndIndex);
    EXPECT_EQ(app->gameState->ranking[9].score, 1001);
    EXPECT_EQ(app->gameState->ranking[9].name, "ZYX");
    EXPECT_EQ(app->gameState->ranking[8].score, 2000);
}

TEST_F(NameEntry, RunningOutOfTimeCommitsWhatIsThereAndTheRankingLeadsToTheTitle) {
    app->playerRecord->rankedScore = 50000;
    Choose(12);
    int frames = 2; // the two of Choose
    while (!scene->finished && frames < 7000) {
        Step(*scene);
        ++frames;
    }
    EXPECT_EQ(frames, 5883) << "99999 ms at 17 ms a frame";
    EXPECT_EQ(app->gameState->ranking[0].name, "M  ");

    // The carousel zooms out for 60 frames; the ranking then waits for a press
    // (one that comes in the frame that ends the entry does not count).
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(Step(*scene), "");
    }
    EXPECT_GE(scene->carouselSize, 10.0f);
    EXPECT_EQ(Press(*scene), "TitleScene");

    scene = std::make_unique<NameEntryScene>();
    Choose(NameEntryScene::EndIndex);
    std::string next;
    int shown = 0;
    while (next.empty() && shown < 2000) {
        next = Step(*scene);
        ++shown;
    }
    EXPECT_EQ(next, "TitleScene");
    EXPECT_EQ(shown + 2, 1201) << "the ranking leaves 1200 frames after the entry ends";
}

TEST_F(NameEntry, ConfirmingTheEndMarkDoesNotAlsoLeaveTheRanking) {
    scene->selected = NameEntryScene::EndIndex;
    EXPECT_EQ(Step(*scene, {dik::RETURN}), "");
    EXPECT_TRUE(scene->finished);
    EXPECT_EQ(Step(*scene, {dik::RETURN}), "") << "held, not pressed again";
}

// The ranking's heading is placed by its picture's top-left corner at
// (320, 74), as every texture of a store is placed until its centre is set.
TEST_F(NameEntry, TheRankingHeadingsTopLeftCornerSitsAt320By74) {
    scene->finished = true;
    scene->carouselSize = 10.0f;
    recorder->ClearDraws();
    scene->Draw();
    const vrels::DrawRecord* heading = nullptr;
    for (const auto& draw : recorder->Draws()) {
        if (draw.texture == "RankingHeading") {
            heading = &draw;
        }
    }
    ASSERT_NE(heading, nullptr) << "the ranking is shown";
    EXPECT_FLOAT_EQ(heading->vertices[0].x, 319.5f);
    EXPECT_FLOAT_EQ(heading->vertices[0].y, 73.5f);
    EXPECT_FLOAT_EQ(heading->vertices[3].x, 319.5f + 183.0f);
    EXPECT_FLOAT_EQ(heading->vertices[3].y, 73.5f + 28.0f);
}
