#pragma once
// The options screen: every setting a player changes inside the game, the
// key and pad-button rebinding, and the controls card. Changes apply at once;
// leaving writes the changed keys into the settings file.
#include "app/GameOptions.h"
#include "scene/SceneBase.h"
#include "scene/options/OptionRows.h"
#include "scene/options/Rebinding.h"

#include <memory>
#include <string>

class ControlsCard;
class MenuBackdrop;
class SelectManager;

class OptionsScene : public SceneBase {
public:
    OptionsScene();
    ~OptionsScene() override;
    std::string Update() override;
    void Draw() override;
    void AppendTrace(std::string& json) const override;
    // While a new key is awaited, Escape cancels the wait instead of quitting.
    bool TakesEscape() const override { return capture_ != Capture::None; }

    enum class Page { List, Controls };
    enum class Capture { None, Key, PadButton };
    enum class SaveState { NotTried, Written, Refused };

    const GameOptions& Options() const { return options_; }
    Page CurrentPage() const { return page_; }
    SaveState Saved() const { return saved_; }
    const std::string& Message() const { return message_; }

    // A capture left alone this long gives up.
    static constexpr int kCaptureFrames = 600;
    // How long a message stays on screen.
    static constexpr int kMessageFrames = 240;

private:
    std::string UpdateList();
    void UpdateCapture();
    // Uses a key or button the player pressed while a binding was awaited;
    // false when it was refused (the wait goes on).
    bool TakeBinding(BindResult result, const GameOptions& next, const std::string& name,
                     const char* what);
    // Left or right this frame: -1, +1 or 0, with a held direction repeating.
    int HorizontalStep();
    // Confirm on the selected row; returns the next scene's name, or empty.
    std::string Activate(OptionRow row);
    void Change(const GameOptions& next);
    void Say(const std::string& message);
    // Writes the changed keys; false when the file refused them.
    bool Save();
    std::string HelpLine() const;
    OptionRow SelectedRow() const;
    // The window's mode now (the chosen one when there is no window).
    bool WindowFullScreen() const;

    std::unique_ptr<SelectManager> menu_;
    std::unique_ptr<MenuBackdrop> backdrop_;
    std::unique_ptr<ControlsCard> card_;
    GameOptions entry_;   // as the scene found them
    GameOptions options_; // as they are now (and in use)
    Page page_ = Page::List;
    Capture capture_ = Capture::None;
    GameAction captureAction_ = GameAction::Shot;
    int captureFrames_ = 0;
    std::string message_;
    int messageFrames_ = 0;
    SaveState saved_ = SaveState::NotTried;
    int heldDirection_ = 0;
    int heldFrames_ = 0;
    bool seenFullScreen_ = false; // the window's mode when last looked at
};
