#pragma once
// The program-wide context: every subsystem is reached through the one
// application object.
#include "app/FrameApp.h"
#include "lib/GraphicsBackend.h"
#include "lib/InputBackend.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SceneBase;
class PlayerBase;
class myDxGraphics;
class SoundManager;
class myInput;
class ImageStore;
class SoundStore;
class IOggStream;
class ObjectManager;
struct SystemInfo_t;
struct PlayerInfomation;
class FPSCounter;
class BenchStats;
namespace vrels::audio {
class AudioDevice;
}

// How a run differs from a normal start: the headless runner and the tests
// replace devices and the first scene.
struct AppOptions {
    bool headless = false;      // no window on screen: offscreen video, no dialogs
    bool noSound = false;       // do not open the audio device
    bool forceNoWait = false;   // uncapped pacing
    bool forceWindowed = false; // ignore "FullScreen"
    std::string firstScene;     // empty: the normal choice
    bool demo = false;          // the first stage plays its replay, as the attract demo does
    std::unique_ptr<vrels::GraphicsBackend> graphicsBackend;
    std::unique_ptr<vrels::InputBackend> inputBackend;
    // Sound output instead of the sound card (offline recording); used even
    // when noSound is set.
    std::shared_ptr<vrels::audio::AudioDevice> audioDevice;
};

class VrelsSkarovApp : public FrameApp {
public:
    explicit VrelsSkarovApp(std::string commandLine, AppOptions options = AppOptions());
    ~VrelsSkarovApp() override;

    static VrelsSkarovApp* Instance();

    bool Initialize() override;
    bool OnIdle(int idleCount) override;
    void PreCreateWindow(WindowParams& params) override;
    void OnDestroy() override;
    void WindowProc(const vrels::platform::Event& event) override;

    // Replaces the current scene now: empties the objects, destroys the old
    // scene, creates and starts the new one; the next step skips its draw.
    void SwitchScene(const std::string& name);
    // Asks the program to close through the normal path.
    void RequestClose();
    // Sends a named message to the current scene.
    void SendMessage(const std::string& name, std::vector<std::string> args = {});
    bool Destroyed() const { return destroyed_; }
    // Frame statistics of a "bench" run; null otherwise.
    const BenchStats* Bench() const { return bench_.get(); }

    // Fields, in order.
    std::shared_ptr<SceneBase> scene;
    bool showFps = false;
    PlayerBase* player = nullptr;
    std::shared_ptr<myDxGraphics> graphics;
    std::shared_ptr<SoundManager> soundManager;
    std::shared_ptr<myInput> input;
    std::shared_ptr<ImageStore> images;
    std::shared_ptr<SoundStore> sounds;
    std::shared_ptr<IOggStream> music;
    std::shared_ptr<ObjectManager> objects;
    std::shared_ptr<SystemInfo_t> gameState;
    std::shared_ptr<PlayerInfomation> playerRecord;
    std::shared_ptr<FPSCounter> fpsCounter;

    std::string currentSceneName;

private:
    void RegisterStartupResources();
    void SetWindowIcon();
    void StartFirstScene();
    AppOptions options_;
    bool destroyed_ = false;
    std::uint64_t startMicros_ = 0;
    std::unique_ptr<BenchStats> bench_;
};

// While true, the next frame step draws nothing (start-up and scene switches).
extern bool g_skipDraw;

// Splits a command line into words: white space separates, and every
// punctuation character is a word of its own.
std::vector<std::string> SplitCommandLine(const std::string& line);
