#pragma once
// The game's input: the configured keys, the per-frame button byte and the
// recording that replay files store.
#include "lib/DxInput.h"
#include "lib/KeyCodes.h"

#include <cstdint>
#include <string>
#include <vector>

struct SystemInfo_t;

enum ButtonBits : std::uint8_t {
    ButtonUp = 0x01,
    ButtonDown = 0x02,
    ButtonLeft = 0x04,
    ButtonRight = 0x08,
    ButtonShot = 0x10,
    ButtonSub = 0x20,
};

// The six bits a button byte uses; bits 6 and 7 are always 0.
constexpr std::uint8_t ButtonMask = 0x3F;

class myInput : public DxInput {
public:
    // Pad buttons used when the settings name none: X (shot) and A (jump) in
    // the game-controller layout.
    static constexpr int DefaultPadShot = 2;
    static constexpr int DefaultPadSub = 0;
    // No stage records more: its 200-second clock runs out after 11765
    // frames, and a megabyte holds almost five hours of frames.
    static constexpr long MaxReplayBytes = 1L << 20;

    myInput(const std::string& settingsPath, const SystemInfo_t* gameState);

    std::uint8_t ReadButtons();
    bool ConfirmPressed();
    bool RightHeld();
    void ClearRecording();
    // "replay/<progress>.rec" in the save folder (app/Paths.h); writes
    // nothing during a demo.
    void SaveRecording(int progressNumber);
    // The player's own replay when there is one, else the shipped one. A file
    // larger than MaxReplayBytes is refused with a line in the log; bits 6
    // and 7 of every byte are dropped.
    void LoadRecording(int progressNumber);
    static std::string ReplayPath(int progressNumber);
    // Return shoots in play as well as confirming menus, so that one key
    // serves both, unless the player made it the jump key.
    static bool ReturnShoots(int subKey) { return subKey != dik::RETURN; }

    // Headless runs: these bytes replace the live devices, one per call.
    void SetButtonFeed(std::vector<std::uint8_t> bytes);

    std::uint8_t shotKey = 0x2C;
    std::uint8_t subKey = 0x2D;
    std::uint8_t padShot = DefaultPadShot;
    std::uint8_t padSub = DefaultPadSub;
    std::vector<std::uint8_t> recording;
    int readPosition = 0;
    int autoPlayCounter = 0;

private:
    std::uint8_t LiveButtons();
    const SystemInfo_t* gameState_;
    bool feedActive_ = false;
    std::vector<std::uint8_t> feed_;
    size_t feedPosition_ = 0;
};
