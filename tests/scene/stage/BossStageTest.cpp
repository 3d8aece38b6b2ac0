// Boss stages played in-process on small arena maps: the conversation at the
// trigger, the boss at its marker with its music, the skipped conversation
// after a miss, the magazine drop, and the last stage's two forms and last
// conversation.
#include "BossStageSupport.h"

#include "app/Random.h"
#include "enemy/FesbioBrain.h"
#include "enemy/Marfes.h"
#include "enemy/Marfes2.h"
#include "event/AdvObject.h"
#include "event/Black.h"
#include "scene/stage/Stage5bossScene.h"
#include "world/items/Goal.h"
#include "world/items/Magazine.h"

#include <gtest/gtest.h>

namespace {

class BossStages : public bosstest::BossStageFixture {
protected:
    // Plays on until the conversation is over, hurrying it (Shot held after a release).
    void FinishConversation(int limit = 20000) {
        for (int i = 0; i < limit && (boss->eventRunning || !boss->event.expired()); ++i) {
            Hold(i % 2 == 0 ? std::set<int>{} : std::set<int>{app->input->shotKey});
            const std::string next = boss->Update();
            app->objects->DrawAll();
            ASSERT_EQ(next, "");
        }
        ASSERT_FALSE(boss->eventRunning);
    }
    bool ConversationRunning() const { return boss->eventRunning; }
    int Commands() const {
        auto event = boss->event.lock();
        return event ? static_cast<int>(event->commands.size()) : -1;
    }
};

} // namespace

TEST_F(BossStages, TheTriggerStartsTheConversationThenTheBossAndItsMusic) {
    StartBossStage("TrialBossScene", bosstest::Arena());
    EXPECT_EQ(music->calls, std::vector<std::string>({"Halt"}));
    ASSERT_TRUE(RunUntil([&] { return ConversationRunning(); }, 300));
    EXPECT_TRUE(boss->eventStarted);
    EXPECT_EQ(CountOf<Black>(), 1);
    // The event ran its first command (the first portrait) in the frame it began.
    EXPECT_EQ(Commands(), 29);
    EXPECT_TRUE(boss->boss.expired());
    // The world stands still behind the conversation.
    Tick();
    EXPECT_EQ(boss->UpdateLevel(), 105);
    const int timeLeft = boss->timeLeft;
    Tick();
    EXPECT_EQ(boss->timeLeft, timeLeft);

    FinishConversation();
    EXPECT_EQ(CountOf<Black>(), 0);
    auto brain = boss->boss.lock();
    ASSERT_NE(brain, nullptr);
    EXPECT_STREQ(brain->Kind(), "FesbioBrain");
    const Point2f marker = boss->map->TileToScreen(16, 11);
    EXPECT_EQ(brain->x, marker.x);
    EXPECT_EQ(music->calls.back(), "Play");
    EXPECT_EQ(music->calls[music->calls.size() - 2],
              "OpenIntro bgm/Wrong Heart_a.ogg bgm/Wrong Heart_b.ogg");

    // Its death leaves the goal at the boss-goal marker; touching it clears the stage.
    const int score = app->playerRecord->score;
    brain->Damage(brain->hitPoints);
    Tick();
    EXPECT_EQ(app->playerRecord->score, score + FesbioBrain::Points);
    Goal* goal = FirstOf<Goal>();
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(goal->x, 11 * 32 + 16.0f);
    // The mirror is reached with a jump in front of it.
    for (int i = 0; i < 600 && boss->clearState == 0; ++i) {
        Tick(app->player->x < goal->x - 8.0f ? ButtonRight : ButtonSub);
    }
    EXPECT_GT(boss->clearState, 0);
}

TEST_F(BossStages, AfterAMissTheConversationIsSkippedAndTheBossStartsAfresh) {
    StartBossStage("Stage1bossScene", bosstest::Arena(), 3);
    ASSERT_TRUE(RunUntil([&] { return ConversationRunning(); }, 300));
    FinishConversation();
    auto first = boss->boss.lock();
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 200; ++i) {
        Tick();
    }
    first->Damage(10);
    EXPECT_NE(first->random.State(), vrels::Drand48(0).State()) << "it has chosen attacks";
    first.reset();

    app->player->ForceMiss();
    ASSERT_TRUE(RunUntil([&] { return boss->restartPending; }, 400));
    ASSERT_TRUE(RunUntil([&] { return !boss->restartPending; }, 400));
    EXPECT_FALSE(boss->eventStarted) << "the rebuild clears the event flag";
    EXPECT_TRUE(boss->boss.expired());

    // Only the message that starts the fight: the boss is there in the very
    // frame the trigger is touched.
    ASSERT_TRUE(RunUntil([&] { return boss->eventStarted; }, 300));
    EXPECT_FALSE(ConversationRunning());
    auto again = boss->boss.lock();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->hitPoints, 70);
    EXPECT_EQ(again->random.State(), vrels::Drand48(0).State());
}

TEST_F(BossStages, AMagazineDropsEvery181FramesOnlyWhileNoneIsLeft) {
    std::vector<std::string> rows = bosstest::Arena();
    rows[11][3] = '.'; // no trigger: play goes on undisturbed
    StartBossStage("Stage2bossScene", rows);
    app->gameState->bench = 1;
    Tick();
    ASSERT_TRUE(RunUntil([&] { return boss->UpdateLevel() == 255; }, 300));
    app->playerRecord->magazines = 1;
    const int start = boss->dropCounter;
    for (int i = 0; i < 400; ++i) {
        Tick();
    }
    EXPECT_EQ(CountOf<MagazineTimeout>(), 0);
    EXPECT_EQ(boss->dropCounter, (start + 400) % 181) << "the counter runs regardless";

    app->playerRecord->magazines = 0;
    while (boss->dropCounter != 180) {
        Tick();
    }
    Tick();
    ASSERT_EQ(CountOf<MagazineTimeout>(), 1);
    vrels::Drand48 expected(0);
    const float r1 = expected.Next();
    const float r2 = expected.Next();
    const MagazineTimeout* dropped = FirstOf<MagazineTimeout>();
    EXPECT_FLOAT_EQ(dropped->x, 160.0f + 320.0f * r2);
    EXPECT_FLOAT_EQ(dropped->baseY, 120.0f + 240.0f * r1);
    for (int i = 0; i < 180; ++i) {
        Tick();
    }
    EXPECT_EQ(CountOf<MagazineTimeout>(), 1) << "not before the next 181 frames";
    Tick();
    EXPECT_EQ(CountOf<MagazineTimeout>(), 2);
}

TEST_F(BossStages, TheLastStageRunsBothFormsAndEndsInSilenceWithoutTheBonus) {
    StartBossStage("Stage5bossScene", bosstest::Arena());
    auto& last = dynamic_cast<Stage5bossScene&>(*boss);
    app->gameState->bench = 1;
    ASSERT_TRUE(RunUntil([&] { return ConversationRunning(); }, 300));
    FinishConversation();
    EXPECT_EQ(music->calls.back(), "Play");
    EXPECT_EQ(music->calls[music->calls.size() - 2], "Open bgm/boss.ogg 1");
    auto first = boss->boss.lock();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->Kind(), "Marfes");
    for (int i = 0; i < 100; ++i) {
        Tick();
    }
    const int fellX = static_cast<int>(first->x);
    const int fellY = static_cast<int>(first->y);
    const bool fellFacing = first->facing;
    const int score = app->playerRecord->score;
    first->Damage(first->hitPoints);
    first.reset();
    Tick();
    EXPECT_EQ(app->playerRecord->score, score + Marfes::Points);
    EXPECT_EQ(last.fallenX, fellX);
    EXPECT_EQ(last.fallenY, fellY);
    EXPECT_EQ(last.fallenFacingLeft, fellFacing);
    EXPECT_TRUE(ConversationRunning()) << "the second conversation";
    EXPECT_GT(Commands(), 1);
    const size_t musicCalls = music->calls.size();
    FinishConversation();
    EXPECT_EQ(music->calls.size(), musicCalls) << "the music plays on";

    auto second = boss->boss.lock();
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->Kind(), "Marfes2");
    EXPECT_EQ(second->x, static_cast<float>(fellX));
    EXPECT_EQ(second->facing, fellFacing);
    for (int i = 0; i < 250; ++i) {
        Tick();
    }
    const int before = app->playerRecord->score;
    second->Damage(second->hitPoints);
    second.reset();
    Tick();
    EXPECT_EQ(app->playerRecord->score, before + Marfes2::Points);
    EXPECT_EQ(music->calls.back(), "Halt") << "the last conversation plays in silence";
    EXPECT_TRUE(ConversationRunning());
    FinishConversation();
    EXPECT_EQ(boss->clearState, 0);
    const std::string ending = IsSceneRegistered("EndScene") ? "EndScene" : "TitleScene";
    EXPECT_EQ(boss->pendingScene, ending);
    std::string next;
    for (int i = 0; i < 300 && next.empty(); ++i) {
        next = Tick();
    }
    EXPECT_EQ(next, ending);
    EXPECT_EQ(app->playerRecord->score, before + Marfes2::Points) << "no clear bonus";

    // A second miss-free visit of the second form skips its conversation.
    std::vector<std::string> five{"2"};
    boss->OnMessage("event", five);
    EXPECT_EQ(Commands(), 1);
}

// "bosspos" tells where the first form fell. A position is taken whole or not
// at all: a good x with a bad y would put the second form where the first
// never was.
TEST_F(BossStages, TheFallenPositionIsTakenOnlyWhenBothNumbersRead) {
    vrels::SetLogPath("/dev/null");
    StartBossStage("Stage5bossScene", bosstest::Arena());
    auto& last = dynamic_cast<Stage5bossScene&>(*boss);
    std::vector<std::string> good{"120", "-40", "true"};
    boss->OnMessage("bosspos", good);
    EXPECT_EQ(last.fallenX, 120);
    EXPECT_EQ(last.fallenY, -40);
    EXPECT_TRUE(last.fallenFacingLeft);
    for (std::vector<std::string> bad : {std::vector<std::string>{"300", "x", "false"},
                                         {"y", "200", "false"},
                                         {"300", "2.5", "false"},
                                         {"300", "200"}}) {
        boss->OnMessage("bosspos", bad);
        EXPECT_EQ(last.fallenX, 120) << bad[0] << "," << bad[1];
        EXPECT_EQ(last.fallenY, -40) << bad[0] << "," << bad[1];
        EXPECT_TRUE(last.fallenFacingLeft);
    }
    vrels::SetLogPath("log.txt");
}
