#include "lib/myInput.h"

#include "app/IniFile.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/SafeFileWrite.h"
#include "app/SystemInfo.h"
#include "lib/KeyCodes.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

myInput::myInput(const std::string& settingsPath, const SystemInfo_t* gameState)
    : gameState_(gameState) {
    shotKey =
        static_cast<std::uint8_t>(vrels::IniReadInt(settingsPath, "Control", "KeyShot", 0x2C));
    subKey = static_cast<std::uint8_t>(vrels::IniReadInt(settingsPath, "Control", "KeySub", 0x2D));
    // Pad buttons are stored 1-based. Only a missing key gives the default: a
    // configured 0 becomes button 255, which no pad has, so it never counts.
    const auto padButton = [&](const char* key, int fallback) {
        const int value = vrels::IniReadInt(settingsPath, "Control", key, INT_MIN);
        return static_cast<std::uint8_t>(value == INT_MIN ? fallback : value - 1);
    };
    padShot = padButton("JoyShot", DefaultPadShot);
    padSub = padButton("JoySub", DefaultPadSub);
}

void myInput::SetButtonFeed(std::vector<std::uint8_t> bytes) {
    feed_ = std::move(bytes);
    feedPosition_ = 0;
    feedActive_ = true;
}

std::uint8_t myInput::LiveButtons() {
    if (feedActive_) {
        return feedPosition_ < feed_.size() ? feed_[feedPosition_++] & ButtonMask : 0;
    }
    std::uint8_t b = 0;
    if (KeyDown(dik::UP) || PadUp()) {
        b |= ButtonUp;
    }
    if (KeyDown(dik::DOWN) || PadDown()) {
        b |= ButtonDown;
    }
    if (KeyDown(dik::LEFT) || PadLeft()) {
        b |= ButtonLeft;
    }
    if (KeyDown(dik::RIGHT) || PadRight()) {
        b |= ButtonRight;
    }
    const bool returnShoots = ReturnShoots(subKey) && KeyDown(dik::RETURN);
    if (KeyDown(shotKey) || returnShoots || PadButtonDown(padShot)) {
        b |= ButtonShot;
    }
    if (KeyDown(subKey) || PadButtonDown(padSub)) {
        b |= ButtonSub;
    }
    return b;
}

std::uint8_t myInput::ReadButtons() {
    if (gameState_ && gameState_->demo) {
        const int position = readPosition++;
        if (position >= 0 && position < static_cast<int>(recording.size())) {
            return recording[static_cast<size_t>(position)];
        }
        return 0;
    }
    if (gameState_ && gameState_->commandLineStart) {
        const int frame = ++autoPlayCounter;
        if (frame >= 550) {
            autoPlayCounter = 0;
            return 0;
        }
        if (frame >= 100 && frame <= 199) {
            return ButtonShot;
        }
        if ((frame >= 200 && frame <= 209) || (frame >= 300 && frame <= 319)) {
            return ButtonSub;
        }
        if ((frame >= 340 && frame <= 399) || (frame >= 450 && frame <= 549)) {
            return ButtonShot;
        }
        return 0;
    }
    const std::uint8_t b = LiveButtons();
    recording.push_back(b);
    ++readPosition;
    return b;
}

bool myInput::ConfirmPressed() {
    return KeyPressed(shotKey) || PadButtonPressed(padShot) || KeyPressed(dik::RETURN);
}

bool myInput::RightHeld() {
    return KeyDown(dik::RIGHT) || PadRight();
}

void myInput::ClearRecording() {
    recording.clear();
    readPosition = 0;
    autoPlayCounter = 0;
}

std::string myInput::ReplayPath(int progressNumber) {
    return "replay/" + std::to_string(progressNumber) + ".rec";
}

void myInput::SaveRecording(int progressNumber) {
    if (gameState_ && gameState_->demo) {
        return;
    }
    // The folder may be missing in a fresh game folder.
    const std::string folder = vrels::ReplayFolder();
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        Log("Cannot create the folder %s: %s\n", folder.c_str(), std::strerror(errno));
    }
    const std::string bytes(recording.begin(), recording.end());
    vrels::WriteFileSafely(vrels::CurrentGameFolders().saves + ReplayPath(progressNumber), bytes);
}

void myInput::LoadRecording(int progressNumber) {
    // The player's own latest attempt, else the shipped one.
    const std::string path = vrels::DataPath(ReplayPath(progressNumber));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return;
    }
    std::vector<std::uint8_t> bytes;
    unsigned char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > static_cast<size_t>(MaxReplayBytes)) {
            Log("Replay refused: %s: larger than %ld bytes\n", path.c_str(), MaxReplayBytes);
            return;
        }
    }
    if (std::ferror(file.get())) {
        Log("Replay refused: %s: the file could not be read to the end\n", path.c_str());
        return;
    }
    for (const std::uint8_t b : bytes) {
        recording.push_back(b & ButtonMask);
    }
}
