// Key taps through SDL's event queue: a press and its release that both arrive
// between two frames (a quick tap, or xdotool's) still count for one frame.
#include "app/SystemInfo.h"
#include "lib/KeyCodes.h"
#include "lib/SdlInputBackend.h"
#include "lib/myInput.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

class KeyTaps : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        input = std::make_unique<myInput>("/nonexistent/vrels.ini", &gameState);
        input->UseBackend(std::make_unique<vrels::SdlInputBackend>());
    }
    void TearDown() override {
        input.reset();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }

    // What the video driver queues for a key going down or up.
    static void Send(Uint32 type, SDL_Scancode key, Uint16 mod = KMOD_NONE, bool repeat = false) {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.repeat = repeat ? 1 : 0;
        event.key.keysym.scancode = key;
        event.key.keysym.mod = mod;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }
    static void Tap(SDL_Scancode key, Uint16 mod = KMOD_NONE) {
        Send(SDL_KEYDOWN, key, mod);
        Send(SDL_KEYUP, key, mod);
    }

    SystemInfo_t gameState;
    std::unique_ptr<myInput> input;
};

} // namespace

TEST_F(KeyTaps, ATapBetweenTwoFramesIsHeldForExactlyOneFrame) {
    input->Update();
    EXPECT_FALSE(input->KeyPressed(dik::Z)) << "clears the start-up latch";
    Tap(SDL_SCANCODE_Z);
    input->Update();
    EXPECT_TRUE(input->KeyPressed(dik::Z));
    EXPECT_EQ(input->ReadButtons(), ButtonShot);
    input->Update();
    EXPECT_FALSE(input->KeyDown(dik::Z));
    EXPECT_EQ(input->ReadButtons(), 0);
    // The recording holds the frame the tap was seen in, so a replay of it
    // shoots on the same frame.
    EXPECT_EQ(input->recording, (std::vector<std::uint8_t>{ButtonShot, 0}));

    // Two taps of different keys between the same two frames both count.
    Tap(SDL_SCANCODE_X);
    Tap(SDL_SCANCODE_RIGHT);
    input->Update();
    EXPECT_EQ(input->ReadButtons(), ButtonSub | ButtonRight);
}

TEST_F(KeyTaps, RepeatsAndAltReturnAreNoTaps) {
    input->Update();
    EXPECT_FALSE(input->ConfirmPressed()) << "clears the start-up latches";
    Send(SDL_KEYDOWN, SDL_SCANCODE_Z, KMOD_NONE, true);
    input->Update();
    EXPECT_FALSE(input->KeyDown(dik::Z)) << "a repeat is not a new press";
    Tap(SDL_SCANCODE_RETURN, KMOD_LALT);
    input->Update();
    EXPECT_FALSE(input->KeyDown(dik::RETURN)) << "Alt+Return switches the screen only";
    Tap(SDL_SCANCODE_RETURN);
    input->Update();
    EXPECT_TRUE(input->ConfirmPressed());
}
