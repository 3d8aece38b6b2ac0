#include "scene/options/OptionsScene.h"

#include "app/Log.h"
#include "app/Paths.h"
#include "app/VrelsSkarovApp.h"
#include "lib/DxGraphics.h"
#include "lib/KeyCodes.h"
#include "lib/KeyMap.h"
#include "lib/OggStream.h"
#include "lib/SoundManager.h"
#include "lib/myInput.h"
#include "scene/SceneFactory.h"
#include "scene/options/ControlsCard.h"
#include "scene/select/MenuBackdrop.h"
#include "scene/title/TitleScene.h"
#include "ui/FontMetrics.h"
#include "ui/SelectManager.h"
#include "ui/StringSprite.h"

REGISTER_SCENE(OptionsScene)

namespace {

constexpr float kLabelX = 120;
constexpr float kValueX = 360;
constexpr float kFirstRowY = 72;
constexpr float kRowStep = 21;
constexpr float kHelpY = 448;
// The backdrop's panel: the help line is centred in it and never runs past it.
constexpr float kPanelCentreX = 330;
constexpr float kPanelTextWidth = 488;
// A held left or right repeats after this many frames, then every kRepeatFrames.
constexpr int kRepeatDelay = 20;
constexpr int kRepeatFrames = 6;

myInput& Input() {
    return *VrelsSkarovApp::Instance()->input;
}

std::string ActionName(GameAction action) {
    return action == GameAction::Shot ? "Shot" : "Jump";
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

} // namespace

OptionsScene::OptionsScene()
    : menu_(std::make_unique<SelectManager>()), backdrop_(std::make_unique<MenuBackdrop>()) {
    images->Load("OptionsKeys", "gfx/options_keys.tga", false);
    card_ = std::make_unique<ControlsCard>(images->Get("OptionsKeys"));
    for (int i = 0; i < kOptionRowCount; ++i) {
        menu_->AddItem(RowLabel(static_cast<OptionRow>(i)), kLabelX,
                       kFirstRowY + kRowStep * static_cast<float>(i));
    }
    menu_->ResetSelection();
    entry_ = CurrentOptions(*VrelsSkarovApp::Instance());
    options_ = entry_;
    seenFullScreen_ = WindowFullScreen();
}

OptionsScene::~OptionsScene() {
    // Closing the window from this screen still keeps what the player chose.
    if (saved_ == SaveState::NotTried) {
        Save();
    }
}

OptionRow OptionsScene::SelectedRow() const {
    return static_cast<OptionRow>(menu_->Selected());
}

void OptionsScene::Say(const std::string& message) {
    message_ = message;
    messageFrames_ = kMessageFrames;
}

void OptionsScene::Change(const GameOptions& next) {
    if (next == options_) {
        return;
    }
    const bool musicSwitchedOn = next.music && !options_.music;
    options_ = next;
    VrelsSkarovApp& app = *VrelsSkarovApp::Instance();
    ApplyOptions(app, options_);
    // A window that could not change mode keeps the row showing what it is.
    seenFullScreen_ = WindowFullScreen();
    options_.fullScreen = seenFullScreen_;
    if (musicSwitchedOn && app.music) {
        // The options open from the title menu: its piece comes back with
        // the switch rather than waiting for the next scene's music.
        app.music->Open(TitleScene::kMusicFile, 0);
        app.music->Play();
    }
}

bool OptionsScene::WindowFullScreen() const {
    const VrelsSkarovApp& app = *VrelsSkarovApp::Instance();
    return app.window && app.window->Exists() ? app.window->FullScreen() : options_.fullScreen;
}

bool OptionsScene::Save() {
    const std::vector<vrels::IniEntry> changed = ChangedEntries(entry_, options_);
    if (changed.empty()) {
        saved_ = SaveState::Written;
        return true;
    }
    if (!vrels::IniWriteStrings(vrels::SettingsPath(), changed)) {
        Log("The options stay in use for this run only\n");
        saved_ = SaveState::Refused;
        return false;
    }
    saved_ = SaveState::Written;
    return true;
}

int OptionsScene::HorizontalStep() {
    myInput& in = Input();
    const int direction = (in.KeyDown(dik::LEFT) || in.PadLeft())     ? -1
                          : (in.KeyDown(dik::RIGHT) || in.PadRight()) ? 1
                                                                      : 0;
    if (direction != heldDirection_) {
        heldDirection_ = direction;
        heldFrames_ = 0;
        return direction;
    }
    if (direction == 0) {
        return 0;
    }
    ++heldFrames_;
    if (heldFrames_ >= kRepeatDelay && (heldFrames_ - kRepeatDelay) % kRepeatFrames == 0) {
        return direction;
    }
    return 0;
}

std::string OptionsScene::Activate(OptionRow row) {
    GameOptions next = options_;
    switch (row) {
    case OptionRow::ShotKey:
    case OptionRow::JumpKey:
    case OptionRow::PadShot:
    case OptionRow::PadJump:
        capture_ = row == OptionRow::ShotKey || row == OptionRow::JumpKey ? Capture::Key
                                                                          : Capture::PadButton;
        captureAction_ = row == OptionRow::ShotKey || row == OptionRow::PadShot ? GameAction::Shot
                                                                                : GameAction::Jump;
        captureFrames_ = 0;
        message_.clear();
        messageFrames_ = 0;
        return "";
    case OptionRow::Controls:
        page_ = Page::Controls;
        return "";
    case OptionRow::Defaults:
        Change(DefaultOptions());
        Say("Defaults restored");
        return "";
    case OptionRow::Back:
        // A refused save was said on screen; the second Back leaves anyway.
        if (saved_ == SaveState::Refused || Save()) {
            return "TitleScene";
        }
        Say("Settings cannot be saved; kept for this run");
        return "";
    default:
        if (StepRow(row, next, 1)) {
            Change(next);
        }
        return "";
    }
}

bool OptionsScene::TakeBinding(BindResult result, const GameOptions& next, const std::string& name,
                               const char* what) {
    if (result == BindResult::Refused) {
        Say(name + " cannot be taken");
        return false;
    }
    Change(next);
    capture_ = Capture::None;
    const std::string action = ActionName(captureAction_);
    if (result == BindResult::Swapped) {
        const GameAction other =
            captureAction_ == GameAction::Shot ? GameAction::Jump : GameAction::Shot;
        Say(action + " and " + ActionName(other) + " swapped " + what);
    } else {
        Say(action + ": " + name);
    }
    return true;
}

void OptionsScene::UpdateCapture() {
    myInput& in = Input();
    auto giveUp = [&] {
        capture_ = Capture::None;
        Say("No change");
    };
    if (++captureFrames_ > kCaptureFrames) {
        giveUp();
        return;
    }
    if (capture_ == Capture::Key) {
        for (int key = 1; key < 256; ++key) {
            if (!in.KeyPressed(key)) {
                continue;
            }
            if (key == dik::ESCAPE) {
                giveUp();
                return;
            }
            GameOptions next = options_;
            const BindResult result = BindKey(next, captureAction_, key);
            if (TakeBinding(result, next, vrels::KeyDisplayName(key), "keys")) {
                return;
            }
        }
        // A pad-only player backs out with any button.
        for (int button = 0; button < 32; ++button) {
            if (in.PadButtonPressed(button)) {
                giveUp();
                return;
            }
        }
        return;
    }
    if (in.KeyPressed(dik::ESCAPE)) {
        giveUp();
        return;
    }
    for (int button = 0; button < 32; ++button) {
        if (!in.PadButtonPressed(button)) {
            continue;
        }
        GameOptions next = options_;
        const BindResult result = BindPadButton(next, captureAction_, button);
        if (TakeBinding(result, next, vrels::PadButtonName(button), "buttons")) {
            return;
        }
    }
}

std::string OptionsScene::UpdateList() {
    myInput& in = Input();
    if (in.ConfirmPressed()) {
        const std::string next = Activate(SelectedRow());
        if (!next.empty() || capture_ != Capture::None || page_ != Page::List) {
            return next;
        }
    }
    const int step = HorizontalStep();
    if (step != 0) {
        GameOptions next = options_;
        if (StepRow(SelectedRow(), next, step)) {
            Change(next);
            if (SoundManager* sound = SoundManager::Current()) {
                sound->PlayUnpanned("Select");
            }
        }
    }
    menu_->Update();
    return "";
}

std::string OptionsScene::Update() {
    if (messageFrames_ > 0 && --messageFrames_ == 0) {
        message_.clear();
    }
    // Alt+Enter switches the window here too; the Display row follows it.
    if (WindowFullScreen() != seenFullScreen_) {
        seenFullScreen_ = WindowFullScreen();
        options_.fullScreen = seenFullScreen_;
    }
    if (capture_ != Capture::None) {
        UpdateCapture();
        return "";
    }
    if (page_ == Page::Controls) {
        if (Input().ConfirmPressed()) {
            page_ = Page::List;
        }
        return "";
    }
    return UpdateList();
}

std::string OptionsScene::HelpLine() const {
    const std::string action = ActionName(captureAction_);
    if (capture_ == Capture::Key) {
        return "Press a key for " + action + "  (ESCAPE: no change)";
    }
    if (capture_ == Capture::PadButton) {
        return "Press a pad button for " + action + "  (ESCAPE: no change)";
    }
    if (!message_.empty()) {
        return message_;
    }
    const std::string confirm = vrels::KeyDisplayName(options_.keyShot);
    if (page_ == Page::Controls) {
        return confirm + " or RETURN: back";
    }
    if (SelectedRow() == OptionRow::Vsync) {
        return "Vsync changes from the next start";
    }
    return "UP/DOWN choose  LEFT/RIGHT change  " + confirm + ": select";
}

void OptionsScene::Draw() {
    backdrop_->Draw(0.5f, 0.0f);
    StringSpriteOrange heading(100, 24, page_ == Page::Controls ? "Controls" : "Options");
    heading.scale = 1.0f;
    heading.spacing = 1.0f;
    heading.Draw();
    if (page_ == Page::Controls) {
        card_->Draw(options_);
    } else {
        menu_->Draw();
        for (int i = 0; i < kOptionRowCount; ++i) {
            const auto row = static_cast<OptionRow>(i);
            std::string value = RowValue(row, options_);
            if (value.empty()) {
                continue;
            }
            const bool chosen = i == menu_->Selected();
            if (chosen && capture_ != Capture::None) {
                value = "...";
            } else if (chosen) {
                value = "< " + value + " >";
            }
            StringSprite text(kValueX, kFirstRowY + kRowStep * static_cast<float>(i), value);
            text.scale = 0.7f;
            text.spacing = 1.1f;
            text.alpha = chosen ? 1.0f : 0.6f;
            text.Draw();
        }
    }
    const std::string line = HelpLine();
    float scale = 0.6f;
    const auto width = [&] { return static_cast<float>(vrels::TextWidth(line, scale, 1.3f)); };
    if (width() > kPanelTextWidth) {
        scale *= kPanelTextWidth / width();
    }
    StringSpriteGreen help(kPanelCentreX - width() / 2.0f, kHelpY + 16.0f * (0.6f - scale), line);
    help.scale = scale;
    help.spacing = 1.3f;
    help.Draw();
}

void OptionsScene::AppendTrace(std::string& json) const {
    json += ",\"options\":{\"page\":\"";
    json += page_ == Page::Controls ? "controls" : "list";
    json += "\",\"selected\":" + std::to_string(menu_->Selected()) + ",\"rows\":[";
    for (int i = 0; i < kOptionRowCount; ++i) {
        json += (i ? "," : "") + JsonText(RowLabel(static_cast<OptionRow>(i)));
    }
    json += "],\"values\":[";
    for (int i = 0; i < kOptionRowCount; ++i) {
        json += (i ? "," : "") + JsonText(RowValue(static_cast<OptionRow>(i), options_));
    }
    json += "],\"capture\":\"";
    json += capture_ == Capture::Key ? "key" : (capture_ == Capture::PadButton ? "pad" : "");
    json += "\",\"message\":" + JsonText(message_) + ",\"saved\":\"";
    json +=
        saved_ == SaveState::Written ? "written" : (saved_ == SaveState::Refused ? "refused" : "");
    json += "\"}";
}
