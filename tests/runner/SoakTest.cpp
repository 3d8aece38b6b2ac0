// One hour of game time (216 000 frame steps) of seeded random input through
// the title, the test stage and back, in process and without drawing: nothing
// may crash, the heap may not grow after the warm-up, and the object count
// stays bounded.
#include "app/GameFolderSetup.h"
#include "app/Paths.h"
#include "app/VrelsSkarovApp.h"
#include "lib/GraphicsBackend.h"
#include "lib/KeyCodes.h"
#include "lib/PictureInfo.h"
#include "lib/Platform.h"
#include "lib/ScriptedInputBackend.h"
#include "lib/myDxGraphics.h"
#include "object/ObjectManager.h"
#include "world/TileMapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define VRELS_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VRELS_SOAK_UNDER_ASAN 1
#endif
#endif

namespace {

namespace fs = std::filesystem;

// The cells of the largest map in the game folder: every cell builds at most
// one object (its block, item or enemy) and most cells are empty, so a stage
// never holds this many objects for long; objects piling up over an hour of
// play would soon pass it.
long long LargestMapCells() {
    long long largest = 0;
    for (const auto& entry : fs::directory_iterator(std::string(VRELS_GAME_DIR) + "/map")) {
        const world::TileMapData map = world::ReadTileMap(entry.path().string());
        largest = std::max(largest, static_cast<long long>(map.width) * map.height);
    }
    return largest;
}

// Loads nothing but the picture sizes and draws nothing.
class NullGraphicsBackend : public vrels::GraphicsBackend {
public:
    std::shared_ptr<vrels::BackendTexture> LoadTexture(const std::string& file, bool,
                                                       vrels::ImageInfo* info,
                                                       std::string* error) override {
        *error = vrels::ReadPictureInfo(file, info);
        if (!error->empty()) {
            return nullptr;
        }
        return std::make_shared<Texture>();
    }
    void BeginFrame() override {}
    bool Present() override { return true; }
    void DrawQuad(const vrels::BackendTexture*, const std::string&, const vrels::QuadVertex[4],
                  std::uint8_t, int) override {}
    vrels::DeviceState TestCooperativeLevel() override { return vrels::DeviceState::Ok; }
    bool Reset() override { return true; }
    bool CaptureFrame(const std::string&) override { return false; }

private:
    class Texture : public vrels::BackendTexture {};
};

// The heap in use by the game thread's allocations.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A small seeded generator of the test's own, so the run is the same every time.
class InputDice {
public:
    explicit InputDice(std::uint32_t seed) : state_(seed) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    bool OneIn(std::uint32_t n) { return Next() % n == 0; }

private:
    std::uint32_t state_;
};

// A scratch game folder: links to the built data, its own saves and log.
class ScratchGameFolder {
public:
    ScratchGameFolder() {
        char name[] = "/tmp/vrels-soak-XXXXXX";
        EXPECT_NE(mkdtemp(name), nullptr);
        path_ = name;
        for (const char* sub : {"gfx", "map", "bgm", "se", "adv"}) {
            fs::create_directory_symlink(fs::path(VRELS_GAME_DIR) / sub, fs::path(path_) / sub);
        }
        char cwd[PATH_MAX];
        saved_ = getcwd(cwd, sizeof(cwd)) ? cwd : "";
        EXPECT_EQ(chdir(path_.c_str()), 0);
    }
    ~ScratchGameFolder() {
        if (!saved_.empty() && chdir(saved_.c_str()) != 0) {
            std::perror("chdir");
        }
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

private:
    std::string path_;
    std::string saved_;
};

int SoakFrames() {
    const char* text = std::getenv("VRELS_SOAK_FRAMES");
    return text ? std::atoi(text) : 216000;
}

} // namespace

TEST(Soak, AnHourOfRandomPlayThroughTitleAndTestStage) {
    const int frames = SoakFrames();
    const int warmUp = frames / 10;
    ScratchGameFolder folder;
    // Every read and write in the scratch folder, as the runner does.
    const vrels::GameFolders savedFolders = vrels::CurrentGameFolders();
    vrels::UseWorkingDirectory("");
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("VRELS_NO_DIALOGS", "1", 1);

    AppOptions options;
    options.headless = true;
    options.noSound = true;
    options.forceNoWait = true;
    options.forceWindowed = true;
    options.firstScene = "TitleScene";
    options.graphicsBackend = std::make_unique<NullGraphicsBackend>();
    auto keys = std::make_unique<vrels::ScriptedInputBackend>();
    vrels::ScriptedInputBackend* keyboard = keys.get();
    options.inputBackend = std::move(keys);

    InputDice dice(20261208);
    std::vector<std::size_t> heapAtTitle; // sampled each time the title starts after warm-up
    std::set<std::string> scenesSeen;
    int maxObjects = 0;
    int stageVisits = 0;
    int titleReturns = 0;
    {
        VrelsSkarovApp app("", std::move(options));
        ASSERT_TRUE(app.Initialize());
        std::string scene = app.currentSceneName;
        int framesInScene = 0;
        int framesOutsideStage = 0;
        std::set<int> held;
        for (int frame = 1; frame <= frames; ++frame) {
            // The title's attract demo plays other stages; only the test stage
            // counts as a visit.
            const bool inStage = scene == "Stage0Scene";
            // Random presses, a new choice every few frames so that moves and
            // jumps last long enough to matter. Escape (quit) is never pressed;
            // on the title only the arrows, so "Quit" is never confirmed.
            if (dice.OneIn(6)) {
                held.clear();
                static const int arrows[] = {dik::LEFT, dik::RIGHT, dik::UP, dik::DOWN};
                if (!dice.OneIn(4)) {
                    held.insert(arrows[dice.Next() % 4]);
                }
                if (inStage) {
                    if (dice.OneIn(2)) {
                        held.insert(0x2C); // shot
                    }
                    if (dice.OneIn(3)) {
                        held.insert(0x2D); // jump
                    }
                    if (dice.OneIn(200)) {
                        held.insert(dik::RETURN);
                    }
                }
            }
            // Back to the title through the pause menu after a long stage
            // visit; into the test stage after a long title visit.
            if (inStage && framesInScene >= 12000) {
                // Pause, leave with F12, then let the fade run out.
                held.clear();
                if (framesInScene == 12000) {
                    held = {dik::P};
                } else if (framesInScene == 12002) {
                    held = {dik::F12};
                } else if (framesInScene < 12100 && framesInScene % 3 == 0) {
                    held = {dik::F12}; // pressed again while the fade runs
                } else if (framesInScene > 13000) {
                    app.SwitchScene("TitleScene"); // a scene without a pause
                }
            } else if (!inStage && framesOutsideStage > 4000) {
                app.SwitchScene("Stage0Scene");
            }
            keyboard->SetHeld(held);
            app.OnIdle(frame);
            int code = 0;
            ASSERT_FALSE(app.PumpEvents(&code)) << "the game closed at frame " << frame;
            ASSERT_FALSE(app.Destroyed());

            if (std::getenv("VRELS_SOAK_TRACE") && frame % 1000 == 0) {
                std::printf("frame %d: %s, %d objects, heap %zu\n", frame,
                            app.currentSceneName.c_str(), static_cast<int>(app.objects->Count()),
                            HeapInUse());
            }
            maxObjects = std::max(maxObjects, static_cast<int>(app.objects->Count()));
            ++framesInScene;
            framesOutsideStage = inStage ? 0 : framesOutsideStage + 1;
            if (app.currentSceneName != scene) {
                scene = app.currentSceneName;
                scenesSeen.insert(scene);
                framesInScene = 0;
                if (scene == "Stage0Scene") {
                    ++stageVisits;
                } else if (scene == "TitleScene") {
                    ++titleReturns;
                    if (frame > warmUp) {
                        heapAtTitle.push_back(HeapInUse());
                    }
                }
            }
        }
        app.OnDestroy();
        int code = 0;
        app.PumpEvents(&code);
    }
    vrels::platform::Shutdown();
    vrels::UseGameFolders(savedFolders);

    std::printf("soak: %d frames, %d test stage visits, %d returns to the title, at most %d "
                "objects\n",
                frames, stageVisits, titleReturns, maxObjects);
    EXPECT_GE(stageVisits, frames / 30000) << "the test stage was played again and again";
    EXPECT_GE(titleReturns, frames / 30000);
    EXPECT_LT(maxObjects, LargestMapCells());
#ifndef VRELS_SOAK_UNDER_ASAN
    ASSERT_GE(heapAtTitle.size(), 2u);
    const auto [low, high] = std::minmax_element(heapAtTitle.begin(), heapAtTitle.end());
    std::printf("soak: heap at the title after warm-up: first %zu, lowest %zu, highest %zu, last "
                "%zu bytes\n",
                heapAtTitle.front(), *low, *high, heapAtTitle.back());
    EXPECT_LT(heapAtTitle.back(), heapAtTitle.front() + (5u << 20)) << "the heap grew";
    EXPECT_LT(*high, heapAtTitle.front() + (5u << 20));
#endif
}
