#pragma once
// The windowing and event layer: the only door between the game and SDL's
// window, event queue, clock and message boxes. Game code sees plain structs.
#include <cstdint>
#include <memory>
#include <string>

namespace vrels::platform {

enum class EventType {
    None,
    Quit,           // end of the message loop; code carries the exit value
    CloseRequested, // the close box, Escape or the title's "Quit"
    KeyDown,        // dik carries the DirectInput key number
    FocusGained,
    FocusLost,
    RenderTargetsReset,
    RenderDeviceReset,
    PadAdded,
    PadRemoved,
    Other,
};

struct Event {
    EventType type = EventType::None;
    int code = 0;     // Quit: exit code; Pad events: device index
    int dik = 0;      // KeyDown: DirectInput key number, 0 when unmapped
    bool alt = false; // KeyDown: an Alt key was held
    bool repeat = false;
};

// Starts SDL's video, events and game-controller subsystems. Returns false and
// logs the reason when SDL cannot start.
bool Startup();
void Shutdown();

// True while at least one event waits in the queue.
bool EventPending();
// Takes the next event; false when the queue is empty.
bool TakeEvent(Event& event);
// Blocks until an event arrives.
void WaitForEvent();
void PostQuit(int code);
void PostCloseRequest();

// Milliseconds since start-up (the game's timeGetTime).
std::uint32_t Milliseconds();
void SleepMilliseconds(int ms);

// True when no dialog may be shown: no display, or VRELS_NO_DIALOGS=1.
bool Headless();
enum class MessageKind { Error, Warning, Information };
// Shows a message box unless headless; always returns.
void ShowMessage(const std::string& title, const std::string& text, MessageKind kind);
// How many message boxes were asked for so far, shown or (headless) not.
int MessagesAsked();

// The game window. The SDL objects live in the implementation record.
struct WindowImpl;
class Window {
public:
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates a window with a 640 x 480 client area times scale (windowed) or
    // covering the desktop (full screen).
    bool Create(const std::string& title, bool fullScreen, int scale);
    void Destroy();
    // Takes the window off the screen for good. The SDL window itself stays
    // until Destroy or the destructor, because the renderer and its textures
    // must be released before the window they were made on.
    void Close();
    bool Closed() const;
    bool Exists() const;
    void ToggleFullScreen();
    // Full screen (the desktop's size, letterboxed) or a window, as Alt+Enter
    // switches; false (logged) when the window system refused.
    bool SetFullScreen(bool fullScreen);
    // Sizes the window to 640 x 480 times scale and centres it; a full-screen
    // window keeps the scale for when it becomes a window again.
    bool SetScale(int scale);
    // The window's icon from a picture file (PNG); false (logged) when the
    // picture cannot be read.
    bool SetIcon(const std::string& pictureFile);
    // Refresh rate of the display the window is on, 0 when unknown.
    int DisplayRefreshRate() const;
    bool FullScreen() const;
    WindowImpl* Impl() const { return impl_.get(); }

private:
    std::unique_ptr<WindowImpl> impl_;
    int scale_ = 1;
};

// Exclusive single-instance lock on a file named after the game; false when
// another copy holds it.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // False only when another copy holds the lock.
    bool Acquired() const { return acquired_; }

private:
    int fd_ = -1;
    bool acquired_ = true;
};

} // namespace vrels::platform
