#include "app/GameOptions.h"

#include "app/Log.h"
#include "app/SystemInfo.h"
#include "app/VrelsSkarovApp.h"
#include "lib/OggStream.h"
#include "lib/OggStreamPlayer.h"
#include "lib/SoundManager.h"
#include "lib/myDxGraphics.h"
#include "lib/myInput.h"

#include <string>
#include <tuple>

// Implemented with the audio back end; returns null when no real stream can exist.
std::shared_ptr<IOggStream> CreateMusicStream(SoundManager* soundManager);

namespace {

auto Fields(const GameOptions& o) {
    return std::tie(o.gameLevel, o.rest, o.fullScreen, o.windowScale, o.vsync, o.effect,
                    o.soundEffects, o.seVolume, o.music, o.bgmVolume, o.keyShot, o.keySub,
                    o.joyShot, o.joySub);
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

bool GameOptions::operator==(const GameOptions& other) const {
    return Fields(*this) == Fields(other);
}

GameOptions DefaultOptions() {
    return GameOptions();
}

std::vector<vrels::IniEntry> ChangedEntries(const GameOptions& before, const GameOptions& after) {
    std::vector<vrels::IniEntry> entries;
    auto number = [&](bool changed, const char* section, const char* key, int value) {
        if (changed) {
            entries.push_back({section, key, std::to_string(value)});
        }
    };
    auto flag = [&](bool changed, const char* section, const char* key, bool value) {
        if (changed) {
            entries.push_back({section, key, Flag(value)});
        }
    };
    const GameOptions& a = after;
    const GameOptions& b = before;
    number(a.gameLevel != b.gameLevel, "General", "GameLevel", a.gameLevel);
    number(a.rest != b.rest, "General", "Rest", a.rest);
    flag(a.fullScreen != b.fullScreen, "Graphics", "FullScreen", a.fullScreen);
    number(a.windowScale != b.windowScale, "Graphics", "WindowScale", a.windowScale);
    flag(a.vsync != b.vsync, "Graphics", "Vsync", a.vsync);
    number(a.effect != b.effect, "Graphics", "Effect", a.effect);
    flag(a.soundEffects != b.soundEffects, "Sound", "SE", a.soundEffects);
    number(a.seVolume != b.seVolume, "Sound", "SEVolume", a.seVolume);
    flag(a.music != b.music, "Sound", "BGM", a.music);
    number(a.bgmVolume != b.bgmVolume, "Sound", "BGMVolume", a.bgmVolume);
    number(a.keyShot != b.keyShot, "Control", "KeyShot", a.keyShot);
    number(a.keySub != b.keySub, "Control", "KeySub", a.keySub);
    number(a.joyShot != b.joyShot, "Control", "JoyShot", a.joyShot);
    number(a.joySub != b.joySub, "Control", "JoySub", a.joySub);
    return entries;
}

GameOptions CurrentOptions(const VrelsSkarovApp& app) {
    GameOptions o;
    const SystemInfo_t& state = *app.gameState;
    o.gameLevel = state.gameLevel;
    o.rest = state.rest;
    o.effect = state.effectLevel;
    o.soundEffects = state.soundEffects != 0;
    o.seVolume = state.seVolume;
    o.music = state.music == 1;
    o.bgmVolume = state.bgmVolume;
    if (app.graphics) {
        o.fullScreen = app.window && app.window->Exists() ? app.window->FullScreen()
                                                          : app.graphics->fullScreen;
        o.windowScale = app.graphics->WindowScale();
        o.vsync = app.graphics->VsyncOn();
    }
    if (app.input) {
        o.keyShot = app.input->shotKey;
        o.keySub = app.input->subKey;
        o.joyShot = app.input->padShot + 1;
        o.joySub = app.input->padSub + 1;
    }
    return o;
}

namespace {

void ApplyMusic(VrelsSkarovApp& app, const GameOptions& options) {
    const bool real = dynamic_cast<COggStream*>(app.music.get()) != nullptr;
    if (options.music && !real && app.soundManager && app.soundManager->initialised) {
        // Music switched on during the run: the stream starts silent and the
        // next piece any scene opens is heard.
        if (auto stream = CreateMusicStream(app.soundManager.get())) {
            app.music = stream;
        }
    } else if (!options.music && real) {
        app.music->Halt();
        app.music = std::make_shared<IOggStream>();
    }
    app.music->SetVolume(options.bgmVolume);
}

} // namespace

void ApplyOptions(VrelsSkarovApp& app, const GameOptions& options) {
    SystemInfo_t& state = *app.gameState;
    state.gameLevel = static_cast<std::uint8_t>(options.gameLevel);
    state.rest = options.rest;
    state.effectLevel = options.effect;
    state.seVolume = ClampPercent(options.seVolume);
    state.bgmVolume = ClampPercent(options.bgmVolume);
    // Keep a value the file gave that means the same as the choice (SE=2 is on).
    if ((state.soundEffects != 0) != options.soundEffects) {
        state.soundEffects = options.soundEffects ? 1 : 0;
    }
    if ((state.music == 1) != options.music) {
        state.music = options.music ? 1 : 0;
    }
    if (app.soundManager) {
        app.soundManager->muted = !options.soundEffects;
        app.soundManager->SetEffectsVolume(state.seVolume);
    }
    if (app.music) {
        ApplyMusic(app, options);
    }
    if (app.graphics) {
        app.graphics->SetWindowScale(options.windowScale);
        app.graphics->SetVsyncForNextStart(options.vsync);
        if (app.window && app.window->Exists()) {
            if (app.window->FullScreen() != options.fullScreen &&
                !app.window->SetFullScreen(options.fullScreen)) {
                Log("The window stays as it is\n");
            }
            app.window->SetScale(options.windowScale);
        }
        app.graphics->fullScreen =
            app.window && app.window->Exists() ? app.window->FullScreen() : options.fullScreen;
    }
    if (app.input) {
        app.input->shotKey = static_cast<std::uint8_t>(options.keyShot);
        app.input->subKey = static_cast<std::uint8_t>(options.keySub);
        app.input->padShot = static_cast<std::uint8_t>(options.joyShot - 1);
        app.input->padSub = static_cast<std::uint8_t>(options.joySub - 1);
    }
}
