// The four bosses on small maps: landings, the serpent's arena, the second
// form's harmless fade-in, repeatable choices, and their deaths.
#include "../player/StageTestSupport.h"

#include "app/Log.h"
#include "enemy/FesbioBrain.h"
#include "enemy/FesbioSnake.h"
#include "enemy/Marfes.h"
#include "enemy/Marfes2.h"
#include "lib/MixerOffline.h"
#include "lib/SoundBuffer.h"
#include "player/SkarovBullet.h"
#include "world/ViewMap.h"
#include "world/items/Goal.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

// Counts how often each voice is started.
class CountingMixer : public vrels::audio::OfflineMixer {
public:
    void RestartVoice(int voice) override {
        ++starts[voice];
        OfflineMixer::RestartVoice(voice);
    }
    std::map<int, int> starts;
};

// A wide walled room with a raised step in the middle, for falls and landings.
const std::vector<std::string>& SteppedRoom() {
    static const std::vector<std::string> rows = {
        "#......................................#", "#......................................#",
        "#......................................#", "#......................................#",
        "#......................................#", "#......................................#",
        "#......................................#", "#......................................#",
        "#......................................#", "#......................................#",
        "#..............########................#", "#.S............########................#",
        "########################################", "########################################",
        "########################################",
    };
    return rows;
}

// An open room 40 cells wide over a floor: the serpent's arena.
std::vector<std::string> OpenSea() {
    std::vector<std::string> rows(15, std::string(40, '.'));
    rows[11][2] = 'S';
    for (int row = 12; row < 15; ++row) {
        rows[row] = std::string(40, '#');
    }
    return rows;
}

class Bosses : public stagetest::StageFixture {
protected:
    void SetUp() override {
        StageFixture::SetUp();
        ::setenv("VRELS_NO_DIALOGS", "1", 1);
        vrels::SetLogPath("/dev/null");
        app->gameState->bench = 1; // the heroine cannot be hurt unless a test says so
    }
    void TearDown() override {
        app->objects->Clear();
        dosun.reset();
        app->soundManager.reset();
        vrels::SetLogPath("log.txt");
        StageFixture::TearDown();
    }

    // Loads "Dosun" on a counting device; returns a counter of its plays.
    void ListenForDosun() {
        mixer = std::make_shared<CountingMixer>();
        app->soundManager->UseDevice(mixer);
        ASSERT_TRUE(app->soundManager->Init(nullptr));
        dosun = std::make_unique<SoundBuffer>();
        dosun->Load(std::string(VRELS_GAME_DIR) + "/se/dosun.wav", "Dosun");
    }
    int DosunPlays() const {
        int n = 0;
        for (const auto& [voice, count] : mixer->starts) {
            n += count;
        }
        return n;
    }

    template <typename T> T* Place(float x, float y) {
        auto* made = new T();
        made->SetPosition(x, y);
        app->objects->Add(made);
        return made;
    }

    std::shared_ptr<CountingMixer> mixer;
    std::unique_ptr<SoundBuffer> dosun;
};

} // namespace

TEST_F(Bosses, FesbioBrainSaysDosunOnEveryLandingAndNeverWhileWalking) {
    ListenForDosun();
    StartStage(SteppedRoom());
    SkipIntro();
    auto* brain = Place<FesbioBrain>(600, 200);
    EXPECT_EQ(brain->y, 190.0f) << "it stands 10 pixels higher than asked";
    EXPECT_EQ(brain->hitPoints, 70);
    EXPECT_TRUE(brain->stompable);

    int landings = 0;
    int jumps = 0;
    int playsBefore = DosunPlays();
    bool wasStanding = brain->wasOnGround;
    for (int frame = 0; frame < 3000; ++frame) {
        const int oldState = brain->attackState;
        Step();
        if (brain->attackState == FesbioBrain::Jump && oldState != FesbioBrain::Jump) {
            ++jumps;
        }
        const int plays = DosunPlays();
        if (brain->wasOnGround && !wasStanding) {
            ++landings;
            EXPECT_EQ(plays, playsBefore + 1) << "a landing at frame " << frame;
        } else {
            EXPECT_EQ(plays, playsBefore) << "a sound without a landing at frame " << frame;
        }
        playsBefore = plays;
        wasStanding = brain->wasOnGround;
    }
    EXPECT_GE(jumps, 2);
    EXPECT_GT(landings, jumps) << "the first fall and every jump";
}

// A jump that meets a ceiling stops rising there, but the bump is no landing:
// no "Dosun", and the jump (at jump speed) goes on until the brain comes down
// on the floor.
TEST_F(Bosses, FesbioBrainTakesACeilingBumpForNoLanding) {
    ListenForDosun();
    std::vector<std::string> rows = SteppedRoom();
    rows[10] = "#......................................#";
    rows[11] = "#.S....................................#";
    rows[8] = "#.........##################...........#"; // the ceiling: y 256 to 288
    StartStage(rows);
    SkipIntro();
    auto* brain = Place<FesbioBrain>(600, 362);
    Step();
    ASSERT_TRUE(brain->wasOnGround);
    ASSERT_EQ(brain->y, 352.0f) << "standing on the floor at y 384";
    const int before = DosunPlays();
    brain->attackState = FesbioBrain::Jump;
    brain->stateCounter = 0;
    brain->vy = -13.0f;
    bool bumped = false;
    int frames = 0;
    do {
        Step();
        ++frames;
        if (brain->y == 288.0f + 32.0f) {
            bumped = true;
            EXPECT_EQ(brain->vy, 0.0f) << "the rise stops at the ceiling";
            EXPECT_FALSE(brain->wasOnGround);
            EXPECT_EQ(DosunPlays(), before) << "a bump is no landing";
        }
        if (bumped && !brain->wasOnGround) {
            EXPECT_EQ(brain->attackState, FesbioBrain::Jump) << "still jumping, frame " << frames;
            EXPECT_EQ(std::abs(brain->vx), 2.0f) << "at jump speed, frame " << frames;
        }
    } while (!brain->wasOnGround && frames < 120);
    EXPECT_TRUE(bumped) << "the jump met the ceiling";
    EXPECT_EQ(brain->y, 352.0f) << "back on the floor";
    EXPECT_EQ(brain->attackState, FesbioBrain::Walk) << "the jump ends on the floor";
    EXPECT_EQ(DosunPlays(), before + 1) << "the one real landing";
}

// The serpent's wave keeps its height in the stage when the view scrolls
// vertically: its base moves with the world, as everything else does.
TEST_F(Bosses, FesbioSnakesWaveMovesWithAVerticalScroll) {
    StartStage(OpenSea());
    SkipIntro();
    auto* snake = Place<FesbioSnake>(900, 250);
    for (int frame = 0; frame < 30; ++frame) {
        Step();
    }
    ASSERT_EQ(snake->attackState, FesbioSnake::Swim);
    const float before = snake->y;
    snake->Shift(0.0f, -96.0f);
    EXPECT_EQ(snake->baseY, 250.0f - 96.0f);
    Step();
    EXPECT_NEAR(snake->y, before - 96.0f, 2.0f) << "one stroke of the wave, not a jump";
}

TEST_F(Bosses, FesbioSnakeSwimsInsideItsArenaButMayLeaveItToLunge) {
    StartStage(OpenSea());
    SkipIntro();
    ViewMap& map = *stage->map;
    auto* snake = Place<FesbioSnake>(900, 250);
    int lunges = 0;
    bool leftArenaWhileLunging = false;
    for (int frame = 0; frame < 4000; ++frame) {
        const int before = snake->attackState;
        Step();
        const float origin = -static_cast<float>(map.scrollColumn * 32) + map.subOffsetX;
        const float arenaLeft = 800.0f + origin;
        const float arenaRight = 39.0f * 32.0f + origin;
        const auto held = [](int state) {
            return state == FesbioSnake::Swim || state == FesbioSnake::Fan;
        };
        // Swimming begins where a lunge or an aim left it; from then on it is
        // held, though one frame's stroke may carry it a pixel past the edge
        // before it turns.
        if (held(before) && held(snake->attackState)) {
            ASSERT_GE(snake->x, arenaLeft - 1.0f) << "frame " << frame;
            ASSERT_LE(snake->x, arenaRight + 1.0f) << "frame " << frame;
        }
        if (snake->attackState == FesbioSnake::Lunge) {
            ++lunges;
            leftArenaWhileLunging = leftArenaWhileLunging || snake->x < arenaLeft - 1.0f;
        }
    }
    EXPECT_GT(lunges, 0);
    EXPECT_TRUE(leftArenaWhileLunging) << "the heroine waits far left of the arena";
}

TEST_F(Bosses, Marfes2CannotHurtWhileFadingInButBulletsHitIt) {
    app->gameState->bench = 0;
    StartStage(stagetest::FlatRoom(), 3);
    SkipIntro();
    PlayerBase& heroine = *app->player;
    auto* second = Place<Marfes2>(heroine.x, heroine.y - 20.0f);
    second->facing = true;
    EXPECT_EQ(second->hitPoints, 150);
    for (int frame = 0; frame < 199; ++frame) {
        Step();
        ASSERT_TRUE(second->appearing) << "frame " << frame;
        ASSERT_EQ(heroine.lifeState, PlayerBase::Alive) << "frame " << frame;
    }
    EXPECT_NEAR(second->alpha, 0.995f, 1e-3);
    // A bullet hits it all the same.
    app->objects->Add(new SkarovBullet(second->x - 40.0f, second->y, 6.0f, 0.0f, false));
    Step();
    Step();
    EXPECT_LT(second->hitPoints, 150);
    for (int frame = 0; frame < 5 && heroine.lifeState == PlayerBase::Alive; ++frame) {
        Step();
    }
    EXPECT_FALSE(second->appearing);
    EXPECT_NE(heroine.lifeState, PlayerBase::Alive) << "once it has appeared, touching it hurts";
}

TEST_F(Bosses, TheSameInputPicksTheSameAttacksAndARecreatedBossStartsAfresh) {
    auto run = [&](auto* made) {
        using Boss = std::remove_pointer_t<decltype(made)>;
        StartStage(stagetest::FlatRoom());
        SkipIntro();
        auto* boss = Place<Boss>(500, 250);
        std::vector<int> states;
        for (int frame = 0; frame < 2500; ++frame) {
            Step(frame % 50 < 25 ? ButtonRight : ButtonLeft);
            states.push_back(boss->attackState);
        }
        return states;
    };
    auto check = [&](auto* kind, const char* name) {
        SCOPED_TRACE(name);
        const auto first = run(kind);
        const auto second = run(kind);
        EXPECT_EQ(first, second);
        std::set<int> seen(first.begin(), first.end());
        EXPECT_GE(seen.size(), 3u) << "several attacks were chosen";
    };
    check(static_cast<FesbioBrain*>(nullptr), "FesbioBrain");
    check(static_cast<FesbioSnake*>(nullptr), "FesbioSnake");
    check(static_cast<Marfes*>(nullptr), "Marfes");
    check(static_cast<Marfes2*>(nullptr), "Marfes2");

    EXPECT_EQ(Marfes().random.State(), vrels::Drand48(1234).State());
    EXPECT_EQ(Marfes2().random.State(), vrels::Drand48(0).State());
}

TEST_F(Bosses, DeathsAwardPointsAndLeaveTheGoalOrTheNextScene) {
    StartStage(stagetest::FlatRoom());
    stage->SetBossGoalCell(12, 11);
    SkipIntro();
    const int score = app->playerRecord->score;
    auto* brain = Place<FesbioBrain>(500, 300);
    brain->Damage(70);
    Step();
    EXPECT_EQ(FirstOf<FesbioBrain>(), nullptr) << "the dead brain has left the object list";
    EXPECT_EQ(app->playerRecord->score, score + 3000);
    auto* goal = FirstOf<Goal>();
    ASSERT_NE(goal, nullptr) << "the goal appears at the boss-goal cell";
    EXPECT_EQ(goal->x, 12 * 32 + 16.0f);
}
