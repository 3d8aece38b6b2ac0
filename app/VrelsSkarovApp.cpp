#include "app/VrelsSkarovApp.h"

#include "app/BenchStats.h"
#include "app/FPSCounter.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/PlayerInfomation.h"
#include "app/Random.h"
#include "app/Ranking.h"
#include "app/SafeFileWrite.h"
#include "app/StartupResources.h"
#include "app/SystemInfo.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/OggStream.h"
#include "lib/SoundErrorReport.h"
#include "lib/SoundManager.h"
#include "lib/myDxGraphics.h"
#include "lib/myInput.h"
#include "object/ObjectManager.h"
#include "resource/ImageStore.h"
#include "resource/SoundStore.h"
#include "scene/SceneBase.h"
#include "scene/SceneFactory.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

bool g_skipDraw = true;

namespace {
const char* const kIconFile = "org.vrels.skarov.png";
}

namespace {
VrelsSkarovApp* g_app = nullptr;
}

// Implemented with the audio back end; returns null when no real stream can exist.
std::shared_ptr<IOggStream> CreateMusicStream(SoundManager* soundManager);

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    };
    for (char c : line) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isspace(u)) {
            flush();
        } else if (std::ispunct(u)) {
            flush();
            words.emplace_back(1, c);
        } else {
            word += c;
        }
    }
    flush();
    return words;
}

VrelsSkarovApp::VrelsSkarovApp(std::string line, AppOptions options)
    : FrameApp(std::move(line)), options_(std::move(options)),
      startMicros_(BenchStats::NowMicros()) {
    g_app = this;
    images = std::make_shared<RealImageStore>();
    sounds = std::make_shared<RealSoundStore>();
    g_skipDraw = true;
}

VrelsSkarovApp::~VrelsSkarovApp() {
    // Reverse of the field order: frame-rate counter first, scene last.
    fpsCounter.reset();
    playerRecord.reset();
    gameState.reset();
    if (objects) {
        objects->Clear();
    }
    objects.reset();
    music.reset();
    sounds.reset();
    images.reset();
    input.reset();
    soundManager.reset();
    scene.reset();
    graphics.reset();
    player = nullptr;
    if (g_app == this) {
        g_app = nullptr;
    }
}

VrelsSkarovApp* VrelsSkarovApp::Instance() {
    return g_app;
}

void VrelsSkarovApp::PreCreateWindow(WindowParams& params) {
    params.title = "Vrel's Skarov";
    params.fullScreen = graphics ? graphics->fullScreen : false;
    params.scale = graphics ? graphics->WindowScale() : 1;
}

bool VrelsSkarovApp::Initialize() {
    // 1-3: game state, command line, settings.
    gameState = std::make_shared<SystemInfo_t>();
    for (const auto& word : SplitCommandLine(commandLine)) {
        gameState->commandLineStart = true;
        if (word == "bench") {
            gameState->bench = 1;
        }
    }
    if (gameState->bench) {
        bench_ = std::make_unique<BenchStats>(startMicros_);
    }
    const std::string settings = vrels::SettingsPath();
    // Saves killed half-way leave their temporary files; the saved files
    // themselves are whole either way.
    vrels::RemoveStaleSaveTemporaries(settings, vrels::RankingPath(), vrels::ReplayFolder());
    ReadSettings(*gameState, settings);

    // The graphics settings decide the window's mode, so read them first.
    graphics = std::make_shared<myDxGraphics>(settings);
    if (options_.forceWindowed || options_.headless) {
        graphics->fullScreen = false;
    }

    // 4: the window.
    if (!vrels::platform::Startup()) {
        return false;
    }
    if (!CreateMainWindow("Vrel's Skarov")) {
        return false;
    }
    SetWindowIcon();

    // 5: the graphics device.
    if (gameState->commandLineStart || options_.forceNoWait) {
        graphics->waitEnabled = 0;
    }
    graphics->SetFocusWindow(window.get());
    if (options_.graphicsBackend) {
        graphics->UseBackend(std::move(options_.graphicsBackend));
    }
    Log("Direct3DCreate9...");
    Log("OK\n");
    if (!graphics->Create()) {
        return false;
    }
    if (bench_) {
        graphics->CountFill(true);
    }

    // 6-7: sound effects and music.
    soundManager = std::make_shared<SoundManager>();
    soundManager->masterVolume = 0.75f;
    if (options_.audioDevice) {
        soundManager->UseDevice(options_.audioDevice);
    }
    const bool soundReady =
        (!options_.noSound || options_.audioDevice) && soundManager->Init(window.get());
    if (gameState->soundEffects == 0) {
        soundManager->muted = true;
    }
    if (soundReady && gameState->music == 1) {
        music = CreateMusicStream(soundManager.get());
    }
    if (!music) {
        music = std::make_shared<IOggStream>();
    }
    soundManager->SetEffectsVolume(gameState->seVolume);
    music->SetVolume(gameState->bgmVolume);

    // 8: input.
    input = std::make_shared<myInput>(settings, gameState.get());
    if (options_.inputBackend) {
        input->UseBackend(std::move(options_.inputBackend));
    }
    input->Init(window.get());

    // 9: program-wide textures and effects.
    RegisterStartupResources();

    // 10-13.
    objects = std::make_shared<ObjectManager>();
    vrels::srand(0);
    vrels::LoadRanking(*gameState, vrels::DataPath("score.ini"));
    fpsCounter = std::make_shared<FPSCounter>();
    playerRecord = std::make_shared<PlayerInfomation>();

    // 14: the first scene.
    StartFirstScene();
    return true;
}

void VrelsSkarovApp::SetWindowIcon() {
    // The portable folder's copy (or the player's own), else the installed
    // icon theme's picture beside the installed data.
    const std::string candidates[] = {
        vrels::DataPath(kIconFile),
        vrels::CurrentGameFolders().data + "../../icons/hicolor/256x256/apps/" + kIconFile,
    };
    for (const std::string& file : candidates) {
        if (access(file.c_str(), R_OK) == 0) {
            window->SetIcon(file);
            return;
        }
    }
    Log("No window icon: %s not found\n", kIconFile);
}

void VrelsSkarovApp::RegisterStartupResources() {
    for (std::size_t i = 0; i < vrels::kStartupTextureCount; ++i) {
        const auto& t = vrels::kStartupTextures[i];
        images->Load(t.name, t.file, t.powerOfTwo);
    }
    if (!soundManager->initialised) {
        Log("Sound effects are off: no sound device.\n");
        return;
    }
    // Every missing effect is logged; the player sees one message box for all.
    vrels::audio::SoundReportBatch failures;
    for (std::size_t i = 0; i < vrels::kStartupSoundCount; ++i) {
        const auto& s = vrels::kStartupSounds[i];
        try {
            sounds->Load(s.name, s.file);
        } catch (const std::exception&) {
            // The game plays on without this effect; the loader has reported it.
        }
    }
}

void VrelsSkarovApp::StartFirstScene() {
    std::string first = "TitleScene";
    if (gameState->commandLineStart) {
        playerRecord->NewGameReset(*gameState);
        first = "Stage0Scene";
    }
    if (!options_.firstScene.empty()) {
        first = options_.firstScene;
        // The flag before the reset, so that the record carries the demo's lives.
        gameState->demo = options_.demo;
        if (first.rfind("Stage", 0) == 0 || first.rfind("Trial", 0) == 0) {
            playerRecord->NewGameReset(*gameState);
        }
    }
    currentSceneName = first;
    scene = std::shared_ptr<SceneBase>(CreateScene(first).release());
    scene->Start();
}

void VrelsSkarovApp::SwitchScene(const std::string& name) {
    objects->Clear();
    scene.reset();
    player = nullptr;
    currentSceneName = name;
    scene = std::shared_ptr<SceneBase>(CreateScene(name).release());
    scene->Start();
    g_skipDraw = true;
}

bool VrelsSkarovApp::OnIdle(int) {
    if (destroyed_ || !scene) {
        return false;
    }
    if (graphics->deviceLost) {
        graphics->TryRestore();
        return true;
    }
    if (!g_skipDraw) {
        graphics->BeginFrame();
        scene->Draw();
        if (showFps) {
            fpsCounter->Draw();
        }
        graphics->EndFrame();
        if (bench_) {
            bench_->FramePresented(BenchStats::NowMicros(), BenchStats::ProcessorSeconds());
        }
    }
    g_skipDraw = false;
    input->Update();
    const std::string next = scene->Update();
    if (!next.empty()) {
        SwitchScene(next);
    }
    fpsCounter->Update();
    return true;
}

void VrelsSkarovApp::RequestClose() {
    vrels::platform::PostCloseRequest();
}

void VrelsSkarovApp::SendMessage(const std::string& name, std::vector<std::string> args) {
    if (scene) {
        scene->OnMessage(name, args);
    }
}

void VrelsSkarovApp::WindowProc(const vrels::platform::Event& event) {
    using vrels::platform::EventType;
    switch (event.type) {
    case EventType::FocusGained:
        if (input) {
            input->Acquire();
        }
        break;
    case EventType::KeyDown:
        if (event.dik == dik::ESCAPE) {
            if (!scene || !scene->TakesEscape()) {
                RequestClose();
            }
        } else if (event.dik == dik::F1 && !event.repeat) {
            showFps = !showFps;
        } else if (event.dik == dik::RETURN && event.alt && !event.repeat && window) {
            window->ToggleFullScreen();
        }
        break;
    case EventType::RenderTargetsReset:
    case EventType::RenderDeviceReset:
        if (graphics) {
            graphics->OnDeviceReset();
        }
        break;
    case EventType::PadAdded:
        if (input && input->Backend()) {
            input->Backend()->PadAdded(event.code);
        }
        break;
    case EventType::PadRemoved:
        if (input && input->Backend()) {
            input->Backend()->PadRemoved(event.code);
        }
        break;
    default:
        break;
    }
    FrameApp::WindowProc(event);
}

void VrelsSkarovApp::OnDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    if (bench_) {
        const std::string summary = bench_->Summary(graphics ? graphics->QuadsDrawn() : 0,
                                                    graphics ? graphics->PixelsFilled() : 0);
        std::fputs(summary.c_str(), stdout);
        std::fflush(stdout);
        Log("%s", summary.c_str());
    }
    if (music) {
        music->Halt();
    }
    music.reset();
    sounds.reset();
    images.reset();
    if (objects) {
        objects->Clear();
    }
    player = nullptr;
    scene.reset();
    FrameApp::OnDestroy();
}
