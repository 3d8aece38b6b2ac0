// The enemy kinds against the heroine and her gun: stomps, contact, points,
// deaths, the hazards' timing and the throwers' and turrets' rhythm.
#include "KindTestSupport.h"

#include "enemy/ArcKnife.h"
#include "enemy/Brain.h"
#include "enemy/Burner.h"
#include "enemy/Death.h"
#include "enemy/FireBall.h"
#include "enemy/FireBallStand.h"
#include "enemy/Ghost.h"
#include "enemy/Guruguru.h"
#include "enemy/Marionette.h"
#include "enemy/Mecha.h"
#include "enemy/Met.h"
#include "enemy/Monoeye.h"
#include "enemy/PataPata.h"
#include "enemy/PataPataFloat.h"
#include "enemy/Projectiles.h"
#include "enemy/Togezo.h"
#include "player/SkarovBullet.h"
#include "world/Effects.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using kindtest::KindFixture;

namespace {

struct Kind {
    const char* name;
    std::function<std::unique_ptr<EnemyBase>()> make;
    int hitPoints;
    int points;
};

template <typename T> std::function<std::unique_ptr<EnemyBase>()> Maker() {
    return [] { return std::make_unique<T>(); };
}

const std::vector<Kind>& ScoringKinds() {
    static const std::vector<Kind> kinds = {
        {"Brain", Maker<Brain>(), 1, 100},
        {"PataPata", Maker<PataPata>(), 1, 300},
        {"PataPataFloat", Maker<PataPataFloat>(), 1, 300},
        {"Death", Maker<Death>(), 4, 1000},
        {"Met", Maker<Met>(), 1, 200},
        {"Togezo", Maker<Togezo>(), 3, 200},
        {"Monoeye", Maker<Monoeye>(), 2, 200},
        {"Ghost", Maker<Ghost>(), 1, 200},
        {"Mecha", Maker<Mecha>(), 10, 400},
        {"Marionette", Maker<Marionette>(), 2, 500},
    };
    return kinds;
}

class KindCombat : public KindFixture {
protected:
    EnemyBase& Place(std::unique_ptr<EnemyBase> enemy, float x, float y) {
        EnemyBase* e = app->objects->Add(enemy.release()).get();
        e->SetPosition(x, y);
        return *e;
    }
    // Update numbers (1-based) at which the count of T went up.
    template <typename T> std::vector<int> Rhythm(ObjectBase& source, int updates) {
        std::vector<int> at;
        int count = CountOf<T>();
        for (int i = 1; i <= updates; ++i) {
            source.Update();
            const int now = CountOf<T>();
            if (now > count) {
                at.push_back(i);
            }
            count = now;
        }
        return at;
    }
};

} // namespace

TEST_F(KindCombat, EachKindDiesOnTheUpdateAfterItsLastHitAndScores) {
    int expectedScore = 0;
    for (const Kind& kind : ScoringKinds()) {
        EnemyBase& e = Place(kind.make(), 320, 240);
        EXPECT_EQ(e.hitPoints, kind.hitPoints) << kind.name;
        EXPECT_EQ(e.KindName(), kind.name);
        if (kind.hitPoints > 1) {
            EXPECT_EQ(e.Damage(kind.hitPoints - 1), 1) << kind.name;
            EXPECT_FALSE(e.dying);
        }
        EXPECT_EQ(e.Damage(1), 0) << kind.name;
        EXPECT_TRUE(e.dying);
        EXPECT_FALSE(e.removed) << kind.name << ": the death waits for the next update";
        EXPECT_FALSE(e.HitTest(0, 0, 640, 480)) << kind.name << ": nothing left to shoot";
        const int blood = CountOf<Blood>();
        e.Update();
        EXPECT_TRUE(e.removed) << kind.name;
        EXPECT_EQ(CountOf<Blood>(), blood + 1) << kind.name;
        expectedScore += kind.points;
        EXPECT_EQ(app->playerRecord->score, expectedScore) << kind.name;
        const auto texts = All<ScoreEffect>();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.front()->text, std::to_string(kind.points)) << kind.name;
    }
}

TEST_F(KindCombat, StompsBounceOffEveryKindButTheSpikedShell) {
    for (const Kind& kind : ScoringKinds()) {
        PlayerMary& player = AddPlayer(320.0f, 300.0f);
        EnemyBase& e = Place(kind.make(), 0, 0);
        // Feet just inside the upper half of the box.
        e.MoveTo(320.0f, 300.0f - static_cast<float>(e.top) - 2.0f);
        player.vy = 4.0f;
        e.TouchPlayer();
        if (kind.name == std::string("Togezo")) {
            EXPECT_EQ(player.lifeState, PlayerBase::Dying) << "spikes hurt";
            EXPECT_EQ(e.hitPoints, 3);
        } else {
            EXPECT_EQ(player.lifeState, PlayerBase::Alive) << kind.name;
            EXPECT_EQ(player.vy, -13.0f) << kind.name;
            EXPECT_EQ(e.hitPoints, std::max(kind.hitPoints - 2, 0)) << kind.name;
        }
        app->objects->Clear();
        app->player = nullptr;
    }
}

TEST_F(KindCombat, BulletsPassTheFlameJetTheCirclingFireballAndBeams) {
    std::vector<EnemyBase*> targets;
    targets.push_back(&Place(std::make_unique<Burner>(Burner::Up), 200, 100));
    targets.push_back(&Place(std::make_unique<Guruguru>(0), 200, 200));
    targets.push_back(enemy::ShootBeam(200, 300, 0.0f, false).get());
    static_cast<Burner*>(targets[0])->burning = true;
    for (EnemyBase* target : targets) {
        auto* bullet =
            app->objects->Add(new SkarovBullet(target->x - 30.0f, target->y, 10.0f, 0.0f, false))
                .get();
        Run(*bullet, 10);
        EXPECT_FALSE(bullet->removed) << target->KindName() << " stopped a bullet";
        EXPECT_EQ(target->hitPoints, 1);
    }
    // An ordinary kind stops the same bullet.
    EnemyBase& met = Place(std::make_unique<Met>(), 200, 400);
    auto* bullet = app->objects->Add(new SkarovBullet(170.0f, 400.0f, 10.0f, 0.0f, false)).get();
    Run(*bullet, 10);
    EXPECT_TRUE(bullet->removed);
    EXPECT_TRUE(met.dying);
}

TEST_F(KindCombat, TheFlameJetIdlesThenBurnsAndHurtsOnlyWhileBurning) {
    PlayerMary& player = AddPlayer(0, 0);
    app->gameState->bench = 0;
    auto& jet = static_cast<Burner&>(Place(std::make_unique<Burner>(Burner::Right), 100, 200));
    EXPECT_EQ(jet.x, 116.0f) << "the flame sits half a cell towards its direction";
    // Stand in the flame (box -8..24 across, -8..8 high).
    player.MoveTo(jet.x + 10.0f, jet.y + 20.0f);
    std::vector<bool> burning;
    for (int i = 0; i < 302 * 2; ++i) {
        jet.Update();
        burning.push_back(jet.burning);
        if (i < 180) {
            EXPECT_EQ(player.lifeState, PlayerBase::Alive)
                << "harmless between bursts, update " << i;
        }
    }
    // Idle until the timer passes 180, burning until it passes 120.
    EXPECT_FALSE(burning[179]);
    EXPECT_TRUE(burning[180]);
    EXPECT_TRUE(burning[300]);
    EXPECT_FALSE(burning[301]);
    EXPECT_TRUE(burning[180 + 302]);
    int burningFrames = 0;
    for (int i = 0; i < 302; ++i) {
        burningFrames += burning[i];
    }
    EXPECT_EQ(burningFrames, 121);
    EXPECT_EQ(player.lifeState, PlayerBase::Dying) << "the burst caught her";
    EXPECT_EQ(jet.hitPoints, 1);

    // The other directions: offsets and boxes.
    Burner left(Burner::Left), up(Burner::Up), down(Burner::Down);
    left.SetPosition(100, 200);
    up.SetPosition(100, 200);
    down.SetPosition(100, 200);
    EXPECT_EQ(left.x, 84.0f);
    EXPECT_EQ(up.y, 184.0f);
    EXPECT_EQ(down.y, 216.0f);
    EXPECT_EQ(left.left, -40);
    EXPECT_EQ(up.top, -40);
    EXPECT_EQ(down.bottom, 40);
    EXPECT_EQ(up.width, 32);
    EXPECT_EQ(up.height, 64);
}

TEST_F(KindCombat, TheTurretFiresAfterNinetyOneFramesThenEveryHundredAndFiftyOne) {
    FireBallStand stand(1);
    stand.SetPosition(100, 100);
    EXPECT_EQ(Rhythm<FireBall>(stand, 400), (std::vector<int>{91, 242, 393}));
    const auto balls = All<FireBall>();
    ASSERT_FALSE(balls.empty());
    EXPECT_EQ(balls.front()->vx, 4.0f) << "direction 1 shoots right";
    EXPECT_EQ(balls.front()->x, 100.0f);
    FireBallStand left(0);
    for (int i = 0; i < 91; ++i) {
        left.Update();
    }
    EXPECT_EQ(All<FireBall>().front()->vx, -4.0f);
}

TEST_F(KindCombat, TheMarionetteThrowsVolleysOfFiveKnives) {
    AddPlayer(100.0f, 300.0f);
    EnemyBase& puppet = Place(std::make_unique<Marionette>(), 400, 200);
    const std::vector<int> volleys = Rhythm<ArcKnife>(puppet, 500);
    EXPECT_EQ(volleys,
              (std::vector<int>{66, 72, 78, 84, 90, 277, 283, 289, 295, 301, 488, 494, 500}));
    const auto knives = All<ArcKnife>();
    ASSERT_FALSE(knives.empty());
    EXPECT_TRUE(knives.back()->facing) << "thrown towards her, on the left";
    EXPECT_LT(puppet.x, 400.0f) << "floats towards her";
}
