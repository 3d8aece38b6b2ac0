// The stage scene's flow: the time limit, restarts from the checkpoint, the
// continue prompt, the clear sequence, pause and the start position.
#include "../../player/StageTestSupport.h"

#include "lib/KeyCodes.h"
#include "lib/myInput.h"
#include "scene/stage/StageObjects.h"

#include <vector>

using stagetest::StageFixture;

namespace {

const std::vector<std::string>& kRoom = stagetest::FlatRoom();

std::vector<std::string> Pit() {
    auto rows = kRoom;
    rows[12] = rows[13] = rows[14] = "....................";
    return rows;
}

class StageFlow : public StageFixture {
protected:
    // Steps until Update names a scene (or the limit is hit).
    std::string RunUntilSwitch(int limit, int* frames = nullptr) {
        for (int i = 1; i <= limit; ++i) {
            const std::string next = Step();
            if (!next.empty()) {
                if (frames) {
                    *frames = i;
                }
                return next;
            }
        }
        return "";
    }
    void Press(int key) {
        keyboard->SetHeld({key});
        Step();
        keyboard->SetHeld({});
    }
};

} // namespace

TEST_F(StageFlow, TheTimeLimitLasts11765ActiveFrames) {
    StartStage(kRoom);
    SkipIntro();
    ASSERT_EQ((StageScene::TimeLimit - stage->timeLeft) % 17, 0);
    int active = (StageScene::TimeLimit - stage->timeLeft) / 17;
    EXPECT_LT(active, 30) << "the intro does not count";
    while (stage->timeUp.expired() && active < 20000) {
        Step();
        ++active;
    }
    EXPECT_EQ(active, 11765);
    EXPECT_EQ(stage->timeLeft, 0);
    EXPECT_EQ(Player().lifeState, PlayerBase::Dying);
    Step();
    EXPECT_EQ(stage->timeLeft, 0);
}

TEST_F(StageFlow, ACheckpointSurvivesARestartButNotAContinue) {
    StartStage(Pit(), 1);
    SkipIntro();
    stage->RecordCheckpoint(0, 0, 200.0f, 100.0f);
    // She falls, misses, and the stage is rebuilt at the checkpoint.
    for (int i = 0; i < 400 && Player().x != 200.0f; ++i) {
        Step();
    }
    EXPECT_EQ(app->playerRecord->lives, 0);
    EXPECT_TRUE(stage->startRecorded);
    EXPECT_EQ(Player().x, 200.0f) << "rebuilt with the player at the checkpoint";
    EXPECT_EQ(stage->timeLeft, StageScene::TimeLimit);

    // The last life goes: the continue prompt counts down from 9.
    for (int i = 0; i < 400 && stage->continueTask.expired(); ++i) {
        Step();
    }
    auto prompt = stage->continueTask.lock();
    ASSERT_TRUE(prompt);
    EXPECT_EQ(stage->UpdateLevel(), 255);
    Step();
    EXPECT_EQ(stage->UpdateLevel(), 110);
    EXPECT_EQ(prompt->count, 9);
    for (int i = 0; i < 119; ++i) {
        Step();
    }
    EXPECT_EQ(prompt->count, 8) << "one count every 120 frames";
    keyboard->SetHeld({dik::LEFT});
    Step();
    Step();
    EXPECT_EQ(prompt->count, 7) << "a held direction counts once";
    keyboard->SetHeld({});
    Step();
    Press(dik::Z);
    EXPECT_TRUE(prompt->removed);
    EXPECT_FALSE(stage->startRecorded) << "a continue drops the checkpoint";
    EXPECT_EQ(app->playerRecord->lives, app->gameState->rest - 1);
    for (int i = 0; i < 100 && Player().x == 200.0f; ++i) {
        Step();
    }
    EXPECT_EQ(Player().x, 80.0f) << "back at the start marker";
}

TEST_F(StageFlow, AContinueLeftToCountDownEndsTheGame) {
    StartStage(Pit(), 0);
    SkipIntro();
    int frames = 0;
    // About 141 frames of dying, then 9 counts of 120 frames, then the fade.
    EXPECT_EQ(RunUntilSwitch(2000, &frames), "GameoverScene");
    EXPECT_GT(frames, 141 + 9 * 120);
}

TEST_F(StageFlow, TheGoalClearsTheStageWithABonusAndFadesToTheNextScene) {
    StartStage(kRoom);
    SkipIntro();
    app->playerRecord->score = 1234;
    std::vector<std::string> none;
    stage->OnMessage("KillBoss", none);
    stage->OnMessage("DeadBoss", none);
    EXPECT_TRUE(Player().goalReached);
    int frames = 0;
    int bonusFrame = 0;
    std::string next;
    for (int i = 1; i <= 600 && next.empty(); ++i) {
        next = Step();
        if (!bonusFrame && app->playerRecord->score != 1234) {
            bonusFrame = i;
        }
        frames = i;
        EXPECT_EQ(Player().lifeState, PlayerBase::Alive);
    }
    EXPECT_EQ(app->playerRecord->score, 1234 + 10000);
    // A second of waiting, then about 50 frames of fade-in (float steps of 0.01).
    EXPECT_GE(bonusFrame, 1 + 61 + 50);
    EXPECT_LE(bonusFrame, 1 + 61 + 51);
    EXPECT_EQ(next, "TitleScene") << "the next stage is not a scene of this build";
    // Two seconds of showing the bonus, about 100 frames of fade-out, then the fade to black.
    EXPECT_GE(frames, bonusFrame + 121 + 100 + 50);
    EXPECT_LE(frames, bonusFrame + 121 + 101 + 51);
    EXPECT_EQ(stage->clearState, 6);
}

TEST_F(StageFlow, PauseFreezesEverythingAndF12LeavesForTheTitle) {
    StartStage(kRoom);
    SkipIntro();
    Step(ButtonSub);
    const float y = Player().y;
    const int time = stage->timeLeft;
    Press(dik::P);
    EXPECT_TRUE(stage->paused);
    for (int i = 0; i < 10; ++i) {
        Step(ButtonSub);
    }
    EXPECT_EQ(Player().y, y);
    EXPECT_EQ(stage->timeLeft, time);
    Press(dik::P);
    EXPECT_FALSE(stage->paused);
    Step();
    EXPECT_NE(Player().y, y);
    Press(dik::P);
    Press(dik::F12);
    EXPECT_FALSE(stage->paused);
    EXPECT_EQ(RunUntilSwitch(100), "TitleScene");
}

TEST_F(StageFlow, TheStartMarkerCentresTheViewUnlessTheMapEndStopsIt) {
    std::vector<std::string> rows(15, std::string(60, '.'));
    rows[12] = rows[13] = rows[14] = std::string(60, '#');
    rows[11][40] = 'S';
    StartStage(rows);
    EXPECT_EQ(stage->startColumn, 30);
    EXPECT_EQ(stage->startX, 10.0f * 32.0f + 16.0f);
    EXPECT_EQ(stage->map->scrollColumn, 30);
    EXPECT_EQ(stage->map->horizontalState, ScrollFree);

    rows[11][40] = '.';
    rows[11][55] = 'S';
    StartStage(rows);
    EXPECT_EQ(stage->startColumn, 40) << "the view stops at the map's right end";
    EXPECT_EQ(stage->startX, 15.0f * 32.0f + 16.0f);
    EXPECT_EQ(stage->map->horizontalState, ScrollAtRight);
}
