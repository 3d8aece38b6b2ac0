// Every enemy kind and projectile as it is made: hit points, whether a stomp
// hurts it, its size, its hit box (facing right), which way it faces, its
// start velocity and its drawing order. A box a pixel off decides whether a
// shot grazes the heroine; a wrong size changes how much blood it sheds.
#include "../support/EngineFixture.h"

#include "enemy/ArcFireball.h"
#include "enemy/ArcKnife.h"
#include "enemy/Beam.h"
#include "enemy/Brain.h"
#include "enemy/Burner.h"
#include "enemy/Death.h"
#include "enemy/Dummy.h"
#include "enemy/FireBall.h"
#include "enemy/Ghost.h"
#include "enemy/Guruguru.h"
#include "enemy/LineFireball.h"
#include "enemy/LineKnife.h"
#include "enemy/Marionette.h"
#include "enemy/Mecha.h"
#include "enemy/Met.h"
#include "enemy/Monoeye.h"
#include "enemy/PataPata.h"
#include "enemy/PataPataFloat.h"
#include "enemy/Togezo.h"
#include "resource/ImageStore.h"

#include <functional>
#include <memory>

namespace {

struct KindRow {
    const char* kind;
    std::function<std::unique_ptr<EnemyBase>()> make;
    int hitPoints;
    bool stompable;
    int width, height;
    int box[4]; // left, top, right, bottom
    bool facingLeft;
    float vx, vy;
    int priority;
};

template <typename T, typename... Args>
std::function<std::unique_ptr<EnemyBase>()> Make(Args... a) {
    return [=] { return std::make_unique<T>(a...); };
}

} // namespace

TEST(KindTable, EveryKindIsMadeWithItsOwnNumbers) {
    const KindRow rows[] = {
        {"Dummy", Make<Dummy>(), 1, true, 32, 32, {-13, -13, 13, 13}, false, 0, 0, 1000},
        {"Brain", Make<Brain>(), 1, true, 32, 32, {-13, -13, 13, 16}, true, -0.5f, 0, 1000},
        {"PataPata", Make<PataPata>(), 1, true, 40, 40, {-20, -20, 20, 20}, true, -0.5f, 0, 1000},
        {"PataPataFloat",
         Make<PataPataFloat>(),
         1,
         true,
         40,
         40,
         {-20, -20, 20, 20},
         true,
         0,
         0,
         1000},
        {"Death", Make<Death>(), 4, true, 32, 96, {-16, -41, 10, 45}, true, 0, 0, 1000},
        {"Met", Make<Met>(), 1, true, 32, 32, {-13, -13, 13, 13}, true, 0, 0, 1000},
        {"Togezo", Make<Togezo>(), 3, false, 32, 32, {-13, -20, 13, 21}, true, 0, 0, 1000},
        {"Monoeye", Make<Monoeye>(), 2, true, 37, 58, {-15, -28, 15, 28}, true, -0.5f, 0, 1000},
        {"Ghost", Make<Ghost>(), 1, true, 38, 38, {-19, -19, 19, 19}, true, 0, 0, 1000},
        {"Mecha", Make<Mecha>(), 10, true, 32, 32, {-26, -42, 26, 42}, true, 0, 0, 1000},
        {"Marionette", Make<Marionette>(), 2, true, 32, 56, {-16, -11, 16, 30}, false, 0, 0, 1000},
        {"FireBall", Make<FireBall>(0), 1, false, 32, 32, {-6, -6, 6, 6}, true, -4, 0, 1000},
        {"ArcFireball",
         Make<ArcFireball>(true),
         1,
         false,
         32,
         32,
         {-8, -8, 8, 8},
         true,
         -1.5f,
         -6,
         999},
        {"LineFireball",
         Make<LineFireball>(0.0f, false),
         1,
         false,
         32,
         32,
         {-4, -4, 4, 4},
         false,
         5,
         0,
         999},
        {"ArcKnife", Make<ArcKnife>(true), 1, false, 32, 32, {-8, -8, 8, 8}, true, -2.5f, -3, 999},
        {"LineKnife",
         Make<LineKnife>(0.0f, false),
         1,
         false,
         32,
         32,
         {-4, -4, 4, 4},
         false,
         5,
         0,
         999},
        {"Beam", Make<Beam>(0.0f, true), 1, false, 32, 32, {-4, -4, 4, 4}, true, 4, 0, 999},
        {"Guruguru", Make<Guruguru>(0), 1, false, 32, 32, {-2, -2, 2, 2}, false, 0, 0, 1000},
    };
    for (const KindRow& row : rows) {
        SCOPED_TRACE(row.kind);
        const auto made = row.make();
        EXPECT_EQ(made->hitPoints, row.hitPoints);
        EXPECT_EQ(made->stompable, row.stompable);
        EXPECT_EQ(made->width, row.width);
        EXPECT_EQ(made->height, row.height);
        EXPECT_EQ(made->left, row.box[0]);
        EXPECT_EQ(made->top, row.box[1]);
        EXPECT_EQ(made->right, row.box[2]);
        EXPECT_EQ(made->bottom, row.box[3]);
        EXPECT_EQ(made->facing, row.facingLeft);
        EXPECT_FLOAT_EQ(made->vx, row.vx);
        EXPECT_FLOAT_EQ(made->vy, row.vy);
        EXPECT_EQ(made->priority, row.priority);
    }
    // The other way round they face and fly the other way.
    EXPECT_FLOAT_EQ(FireBall(1).vx, 4.0f);
    EXPECT_FLOAT_EQ(ArcFireball(false).vx, 1.5f);
    EXPECT_FLOAT_EQ(ArcKnife(false).vx, 2.5f);
}

namespace {

class KindDrawing : public EngineFixture {};

} // namespace

TEST_F(KindDrawing, FlameJetsBurnFromTheirNozzleInEveryDirection) {
    // The flame picture (64 x 32 frames stacked) points right and turns about
    // its middle: a jet is drawn only while it burns, frame by frame.
    DeclareImage("gfx/enemy/burner.tga", 64, 96);
    app->images->Load("Burner", "gfx/enemy/burner.tga", false);
    struct Case {
        int direction;
        float angle;
        bool flipped;
    };
    const Case cases[] = {{Burner::Left, 0.0f, true},
                          {Burner::Right, 0.0f, false},
                          {Burner::Up, -1.570795f, false},
                          {Burner::Down, 1.570795f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        Burner jet(c.direction);
        jet.x = 200;
        jet.y = 100;
        recorder->ClearDraws();
        jet.Draw();
        EXPECT_TRUE(recorder->Draws().empty()) << "an idle jet shows nothing";
        jet.burning = true;
        jet.animation = 12; // the third frame
        jet.Draw();
        ASSERT_EQ(recorder->Draws().size(), 1u);
        const vrels::DrawFacts& f = recorder->Draws()[0].facts;
        EXPECT_EQ(f.rect[0], 0);
        EXPECT_EQ(f.rect[1], 64);
        EXPECT_EQ(f.rect[2], 64);
        EXPECT_EQ(f.rect[3], 96);
        EXPECT_FLOAT_EQ(f.cx, 32.0f);
        EXPECT_FLOAT_EQ(f.cy, 16.0f);
        EXPECT_FLOAT_EQ(f.x, 200.0f);
        EXPECT_FLOAT_EQ(f.y, 100.0f);
        EXPECT_FLOAT_EQ(f.angle, c.angle);
        EXPECT_EQ(f.flipH, c.flipped);
    }
}

// Each animated kind shows its second frame from the cell beside (or below)
// its first, a whole frame along: a frame taken a pixel off shows a sliver of
// its neighbour at one edge and loses a column at the other.
TEST_F(KindDrawing, EveryAnimatedKindTakesItsSecondFrameFromTheNextCell) {
    struct Sheet {
        const char* texture;
        const char* file;
        std::function<std::unique_ptr<EnemyBase>(int animation)> make;
        int w;
        int h;
        bool stacked;
    };
    const auto with = [](auto made, int animation) {
        made->animation = animation;
        return std::unique_ptr<EnemyBase>(std::move(made));
    };
    const Sheet sheets[] = {
        {"Brain", "brain", [&](int a) { return with(std::make_unique<Brain>(), a); }, 32, 32,
         false},
        {"Met", "met", [&](int a) { return with(std::make_unique<Met>(), a); }, 32, 32, false},
        {"Togezo", "togezo", [&](int a) { return with(std::make_unique<Togezo>(), a); }, 64, 64,
         false},
        {"Monoeye", "monoeye", [&](int a) { return with(std::make_unique<Monoeye>(), a); }, 64, 64,
         false},
        {"Ghost", "ghost", [&](int a) { return with(std::make_unique<Ghost>(), a); }, 64, 64,
         false},
        {"Death", "death", [&](int a) { return with(std::make_unique<Death>(), a); }, 64, 96,
         false},
        {"Marionette", "marionette", [&](int a) { return with(std::make_unique<Marionette>(), a); },
         64, 96, false},
        {"PataPata", "patapata", [&](int a) { return with(std::make_unique<PataPata>(), a); }, 96,
         96, false},
        {"Guruguru", "guruguru", [&](int a) { return with(std::make_unique<Guruguru>(0), a); }, 32,
         32, false},
        {"Mecha", "mecha", [&](int a) { return with(std::make_unique<Mecha>(), a); }, 128, 96,
         true},
    };
    for (const Sheet& sheet : sheets) {
        SCOPED_TRACE(sheet.texture);
        const std::string file = std::string("gfx/enemy/") + sheet.file + ".tga";
        DeclareImage(file, sheet.stacked ? sheet.w : sheet.w * 4,
                     sheet.stacked ? sheet.h * 4 : sheet.h);
        app->images->Load(sheet.texture, file, false);
        recorder->ClearDraws();
        sheet.make(10)->Draw();
        ASSERT_EQ(recorder->Draws().size(), 1u);
        const vrels::DrawFacts& f = recorder->Draws()[0].facts;
        EXPECT_EQ(f.rect[0], sheet.stacked ? 0 : sheet.w);
        EXPECT_EQ(f.rect[1], sheet.stacked ? sheet.h : 0);
        EXPECT_EQ(f.rect[2], sheet.stacked ? sheet.w : 2 * sheet.w);
        EXPECT_EQ(f.rect[3], sheet.stacked ? 2 * sheet.h : sheet.h);
    }
}
