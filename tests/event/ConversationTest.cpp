// Conversations: the timing of lines and portraits, the hurry rule, the
// command queue and the pictures.
#include "../support/EngineFixture.h"

#include "app/Log.h"
#include "event/AdvObject.h"
#include "event/AdvPicture.h"
#include "event/Black.h"
#include "event/MessObject.h"
#include "event/StandObject.h"
#include "lib/KeyCodes.h"
#include "resource/CTexture.h"
#include "scene/SceneBase.h"

#include <boost/ptr_container/exception.hpp>
#include <gtest/gtest.h>

namespace {

// A scene that only listens.
class ListeningScene : public SceneBase {
public:
    std::string Update() override { return ""; }
    void OnMessage(const std::string& name, std::vector<std::string>& args) override {
        heard.push_back(args.empty() ? name : name + " " + args[0]);
    }
    std::vector<std::string> heard;
};

class Conversation : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        ::setenv("VRELS_NO_DIALOGS", "1", 1);
        vrels::SetLogPath("/dev/null");
        auto listening = std::make_shared<ListeningScene>();
        scene = listening.get();
        app->scene = listening;
    }
    void TearDown() override {
        vrels::SetLogPath("log.txt");
        EngineFixture::TearDown();
    }

    AdvObject& NewEvent() {
        auto made = app->objects->Add(new AdvObject());
        event = made.get();
        return *event;
    }
    // One frame of the event with these keys held.
    void Frame(const std::set<int>& keys = {}) {
        Hold(keys);
        event->Update();
    }
    int Shot() const { return app->input->shotKey; }

    ListeningScene* scene = nullptr;
    AdvObject* event = nullptr;
};

} // namespace

TEST_F(Conversation, ALineEntersCreepsThroughTheReadingBandAndLeaves) {
    MessObject line("a01", 0);
    EXPECT_EQ(line.x, 50.0f);
    EXPECT_EQ(line.y, 480.0f);
    EXPECT_EQ(MessObject("a01", 1).x, 320.0f);
    EXPECT_EQ(MessObject("a01", 2).x, 200.0f);
    int entering = 0;
    while (line.y > MessObject::BandBottom) {
        line.Update();
        ++entering;
    }
    EXPECT_EQ(entering, 23);
    EXPECT_FLOAT_EQ(line.alpha, 0.92f);
    // Through the band at half a pixel a frame: 120 pixels take 240 frames.
    const float entered = line.y;
    int reading = 0;
    while (line.y >= MessObject::BandTop) {
        line.Update();
        EXPECT_EQ(line.alpha, 1.0f);
        ++reading;
    }
    EXPECT_EQ(reading, static_cast<int>((entered - MessObject::BandTop) * 2) + 1);
    int leaving = 0;
    while (!line.removed) {
        line.Update();
        ++leaving;
    }
    EXPECT_EQ(leaving, 27);
    EXPECT_EQ(line.alpha, 0.0f);

    // Hurried, it moves eight times as fast.
    MessObject fast("a02", 0);
    fast.fast = true;
    fast.Update();
    EXPECT_EQ(fast.y, 480.0f - 64.0f);
    EXPECT_FALSE(fast.fast) << "hurry lasts one frame";
}

TEST_F(Conversation, PortraitsSlideInFromTheirSideAndOutWhenKicked) {
    StandObject left("mary0", 0);
    StandObject right("ghost0", 1);
    StandObject middle("boss1", 2);
    EXPECT_EQ(left.x, 40.0f);
    EXPECT_EQ(right.x, 600.0f);
    EXPECT_EQ(middle.x, 420.0f);
    int frames = 0;
    while (!left.arrived && frames < 100) {
        left.Update();
        right.Update();
        ++frames;
    }
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 21);
    EXPECT_EQ(left.x, 140.0f);
    EXPECT_EQ(right.x, 500.0f);
    EXPECT_EQ(left.alpha, 1.0f);

    left.Leave();
    frames = 0;
    while (!left.removed && frames < 100) {
        left.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(left.x, 40.0f);

    StandObject hurried("mary0", 1);
    hurried.fast = true;
    hurried.Update();
    EXPECT_EQ(hurried.x, 560.0f);
}

TEST_F(Conversation, HurryingNeedsAReleaseFirstAndCountsWaitsDownByEight) {
    NewEvent().AddWait(200);
    auto wait = [&] { return dynamic_cast<WaitCommand&>(event->commands.front()).framesLeft; };
    for (int i = 0; i < 10; ++i) {
        Frame({Shot()}); // held since the conversation began
    }
    EXPECT_EQ(wait(), 190);
    EXPECT_FALSE(event->buttonsReleased);
    Frame();
    EXPECT_TRUE(event->buttonsReleased);
    EXPECT_EQ(wait(), 189);
    Frame({Shot()});
    EXPECT_EQ(wait(), 181);
    Frame({app->input->subKey});
    EXPECT_EQ(wait(), 173);

    // Hurrying reads the devices apart from the play input: nothing is
    // taken from or added to the replay recording.
    EXPECT_TRUE(app->input->recording.empty());
    EXPECT_EQ(app->input->readPosition, 0);

    // In demo playback nothing is read.
    app->gameState->demo = true;
    Frame({Shot()});
    EXPECT_EQ(wait(), 172);
}

TEST_F(Conversation, TheEventRunsItsQueueOverAVeilAndEndsItself) {
    NewEvent();
    EXPECT_EQ(scene->heard, std::vector<std::string>({"adv start"}));
    auto veil = event->black.lock();
    ASSERT_NE(veil, nullptr);
    EXPECT_EQ(veil->priority, 51);
    EXPECT_EQ(veil->level, 105);
    EXPECT_EQ(event->priority, 50);
    EXPECT_EQ(event->level, 105);

    event->AddStand("mary0", 0);
    event->AddMessage("a01", 0);
    event->AddKick(0);
    event->AddSend("BossStart");
    EXPECT_EQ(event->commands.size(), 6u);

    Frame();
    EXPECT_EQ(event->portraits.size(), 1u) << "the portrait comes in the first frame";
    for (int i = 0; i < 10; ++i) {
        Frame();
    }
    EXPECT_EQ(event->lines.Count(), 0u);
    Frame();
    EXPECT_EQ(event->lines.Count(), 1u) << "the line follows a 10-frame wait";
    int frames = 0;
    while (!event->removed && frames < 1000) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 182) << "180 frames of reading, then the kick, then the message";
    EXPECT_TRUE(event->portraits[0].leaving);
    EXPECT_TRUE(veil->removed);
    EXPECT_EQ(scene->heard, std::vector<std::string>({"adv start", "BossStart", "adv end"}));

    // A null command is refused.
    try {
        event->Push(nullptr);
        FAIL() << "a null command was accepted";
    } catch (const boost::bad_pointer& e) {
        EXPECT_STREQ(e.what(), "Null pointer in 'push_back()'");
    }
}

TEST_F(Conversation, PicturesAreLoadedPerPortraitAndMissingOnesReportedOnce) {
    ForgetMissingAdvPictures();
    DeclareImage("adv/mary0.tga", 200, 300);
    NewEvent();
    const int before = recorder->Loads();
    event->ShowPortrait("mary0", 0);
    event->ShowPortrait("mary0", 1);
    EXPECT_EQ(recorder->Loads(), before + 2);
    const std::string first = event->portraits[0].sprite->name;
    const std::string second = event->portraits[1].sprite->name;
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind("adv/mary0.tga", 0), 0u);
    EXPECT_EQ(FindTexture(first), event->portraits[0].sprite.get());
    EXPECT_EQ(FindTexture(second), event->portraits[1].sprite.get());
    EXPECT_EQ(event->portraits[0].sprite->Width(), 200);

    // A missing picture is tried once; later uses draw the placeholder.
    ForgetMissingAdvPictures();
    const int loads = recorder->Loads();
    event->ShowLine("zz99", 0);
    event->ShowLine("zz99", 1);
    event->ShowPortrait("zz99", 0);
    EXPECT_EQ(recorder->Loads(), loads + 1);
    const int draws = static_cast<int>(recorder->Draws().size());
    event->Draw();
    EXPECT_GE(static_cast<int>(recorder->Draws().size()), draws + 3)
        << "the missing pictures are drawn as placeholders";
}
