#include "lib/Platform.h"

#include "app/Log.h"
#include "lib/KeyMap.h"
#include "lib/SdlWindow.h"

#include <SDL.h>
#include <SDL_image.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vrels::platform {

namespace {

Uint32 g_quitEvent = static_cast<Uint32>(-1);
Uint32 g_closeEvent = static_cast<Uint32>(-1);
bool g_started = false;

void RegisterUserEvents() {
    if (g_quitEvent == static_cast<Uint32>(-1)) {
        const Uint32 base = SDL_RegisterEvents(2);
        if (base != static_cast<Uint32>(-1)) {
            g_quitEvent = base;
            g_closeEvent = base + 1;
        } else {
            Log("SDL_RegisterEvents failed: %s\n", SDL_GetError());
        }
    }
}

bool Translate(const SDL_Event& sdl, Event& event) {
    event = Event{};
    if (sdl.type == g_quitEvent) {
        event.type = EventType::Quit;
        event.code = sdl.user.code;
        return true;
    }
    if (sdl.type == g_closeEvent) {
        event.type = EventType::CloseRequested;
        return true;
    }
    switch (sdl.type) {
    case SDL_QUIT:
        event.type = EventType::CloseRequested;
        break;
    case SDL_WINDOWEVENT:
        if (sdl.window.event == SDL_WINDOWEVENT_CLOSE) {
            event.type = EventType::CloseRequested;
        } else if (sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
            event.type = EventType::FocusGained;
        } else if (sdl.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            event.type = EventType::FocusLost;
        } else {
            event.type = EventType::Other;
        }
        break;
    case SDL_KEYDOWN:
        event.type = EventType::KeyDown;
        event.dik = DikFromScancode(sdl.key.keysym.scancode);
        event.alt = (sdl.key.keysym.mod & KMOD_ALT) != 0;
        event.repeat = sdl.key.repeat != 0;
        break;
    case SDL_RENDER_TARGETS_RESET:
        event.type = EventType::RenderTargetsReset;
        break;
    case SDL_RENDER_DEVICE_RESET:
        event.type = EventType::RenderDeviceReset;
        break;
    case SDL_CONTROLLERDEVICEADDED:
        event.type = EventType::PadAdded;
        event.code = sdl.cdevice.which;
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        event.type = EventType::PadRemoved;
        event.code = sdl.cdevice.which;
        break;
    default:
        event.type = EventType::Other;
        break;
    }
    return true;
}

} // namespace

bool Startup() {
    if (g_started) {
        return true;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_GAMECONTROLLER) != 0) {
        // Controllers are optional: try again without them.
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            Log("SDL_Init failed: %s\n", SDL_GetError());
            std::fprintf(stderr, "SDL_Init failed: %s\n", SDL_GetError());
            return false;
        }
    }
    RegisterUserEvents();
    g_started = true;
    return true;
}

void Shutdown() {
    if (g_started) {
        SDL_Quit();
        g_started = false;
    }
}

bool EventPending() {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
}

bool TakeEvent(Event& event) {
    SDL_Event sdl;
    if (SDL_PollEvent(&sdl) == 0) {
        return false;
    }
    return Translate(sdl, event);
}

void WaitForEvent() {
    if (SDL_WaitEvent(nullptr) == 0) {
        Log("SDL_WaitEvent failed: %s\n", SDL_GetError());
    }
}

namespace {
void PushUserEvent(Uint32 type, int code) {
    if (type == static_cast<Uint32>(-1)) {
        return;
    }
    SDL_Event sdl;
    std::memset(&sdl, 0, sizeof(sdl));
    sdl.type = type;
    sdl.user.code = code;
    if (SDL_PushEvent(&sdl) < 0) {
        Log("SDL_PushEvent failed: %s\n", SDL_GetError());
    }
}
} // namespace

void PostQuit(int code) {
    PushUserEvent(g_quitEvent, code);
}
void PostCloseRequest() {
    PushUserEvent(g_closeEvent, 0);
}

std::uint32_t Milliseconds() {
    return SDL_GetTicks();
}
void SleepMilliseconds(int ms) {
    SDL_Delay(static_cast<Uint32>(ms));
}

bool Headless() {
    const char* noDialogs = std::getenv("VRELS_NO_DIALOGS");
    if (noDialogs && std::strcmp(noDialogs, "0") != 0 && noDialogs[0] != '\0') {
        return true;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver) {
        return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    }
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    if (wanted && (std::strcmp(wanted, "offscreen") == 0 || std::strcmp(wanted, "dummy") == 0)) {
        return true;
    }
    return std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
}

namespace {
int g_messagesAsked = 0;
}

int MessagesAsked() {
    return g_messagesAsked;
}

void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) {
    ++g_messagesAsked;
    if (Headless()) {
        return;
    }
    Uint32 flags = SDL_MESSAGEBOX_ERROR;
    if (kind == MessageKind::Warning) {
        flags = SDL_MESSAGEBOX_WARNING;
    } else if (kind == MessageKind::Information) {
        flags = SDL_MESSAGEBOX_INFORMATION;
    }
    if (SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "SDL_ShowSimpleMessageBox failed: %s\n", SDL_GetError());
    }
}

Window::Window() : impl_(std::make_unique<WindowImpl>()) {}

Window::~Window() {
    Destroy();
}

namespace {

// The desktop's size on the given display, or false (logged) when SDL cannot
// tell it.
bool DesktopSize(int display, int& width, int& height) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0) {
        Log("SDL_GetDesktopDisplayMode failed: %s\n", SDL_GetError());
        return false;
    }
    width = mode.w;
    height = mode.h;
    return true;
}

} // namespace

bool Window::Create(const std::string& title, bool fullScreen, int scale) {
    if (scale < 1) {
        scale = 1;
    }
    Uint32 flags = SDL_WINDOW_SHOWN;
    int width = 640 * scale;
    int height = 480 * scale;
    if (fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        // A full-screen window starts at the desktop's size: on an X display
        // without a window manager nobody resizes it, and SDL would draw a
        // desktop-sized picture into a window of the scaled size, showing
        // only one magnified corner of it.
        DesktopSize(0, width, height);
    }
    impl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     width, height, flags);
    if (!impl_->window) {
        Log("SDL_CreateWindow failed: %s\n", SDL_GetError());
        std::fprintf(stderr, "SDL_CreateWindow failed: %s\n", SDL_GetError());
        return false;
    }
    impl_->fullScreen = fullScreen;
    scale_ = scale;
    if (fullScreen && SDL_ShowCursor(SDL_DISABLE) < 0) {
        Log("SDL_ShowCursor failed: %s\n", SDL_GetError());
    }
    return true;
}

void Window::Destroy() {
    if (impl_ && impl_->window) {
        SDL_DestroyWindow(impl_->window);
        impl_->window = nullptr;
    }
}

void Window::Close() {
    if (Exists() && !impl_->closed) {
        SDL_HideWindow(impl_->window);
        impl_->closed = true;
    }
}

bool Window::Closed() const {
    return impl_ && impl_->closed;
}

bool Window::Exists() const {
    return impl_ && impl_->window;
}

bool Window::FullScreen() const {
    return impl_->fullScreen;
}

void Window::ToggleFullScreen() {
    if (Exists()) {
        SetFullScreen(!impl_->fullScreen);
    }
}

bool Window::SetFullScreen(bool fullScreen) {
    if (!Exists()) {
        return false;
    }
    if (fullScreen == impl_->fullScreen) {
        return true;
    }
    if (fullScreen) {
        // The window takes the desktop's size first, for the same reason as
        // at creation; leaving full screen gives it its scale again.
        const int display = SDL_GetWindowDisplayIndex(impl_->window);
        int width = 0;
        int height = 0;
        if (display < 0) {
            Log("SDL_GetWindowDisplayIndex failed: %s\n", SDL_GetError());
        } else if (DesktopSize(display, width, height)) {
            SDL_SetWindowPosition(impl_->window, 0, 0);
            SDL_SetWindowSize(impl_->window, width, height);
        }
    }
    if (SDL_SetWindowFullscreen(impl_->window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) !=
        0) {
        Log("SDL_SetWindowFullscreen failed: %s\n", SDL_GetError());
        return false;
    }
    impl_->fullScreen = fullScreen;
    if (SDL_ShowCursor(fullScreen ? SDL_DISABLE : SDL_ENABLE) < 0) {
        Log("SDL_ShowCursor failed: %s\n", SDL_GetError());
    }
    if (!fullScreen) {
        // Back from the desktop's size: the window takes its scale again.
        SDL_SetWindowSize(impl_->window, 640 * scale_, 480 * scale_);
        SDL_SetWindowPosition(impl_->window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    return true;
}

bool Window::SetScale(int scale) {
    scale = scale < 1 ? 1 : scale;
    if (scale == scale_) {
        return true;
    }
    scale_ = scale;
    if (!Exists()) {
        return false;
    }
    if (!impl_->fullScreen) {
        SDL_SetWindowSize(impl_->window, 640 * scale_, 480 * scale_);
        SDL_SetWindowPosition(impl_->window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    return true;
}

bool Window::SetIcon(const std::string& pictureFile) {
    if (!Exists()) {
        return false;
    }
    SDL_Surface* picture = IMG_Load(pictureFile.c_str());
    if (!picture) {
        Log("IMG_Load failed: %s: %s\n", pictureFile.c_str(), IMG_GetError());
        return false;
    }
    SDL_SetWindowIcon(impl_->window, picture);
    SDL_FreeSurface(picture);
    return true;
}

int Window::DisplayRefreshRate() const {
    if (!Exists()) {
        return 0;
    }
    const int display = SDL_GetWindowDisplayIndex(impl_->window);
    SDL_DisplayMode mode;
    if (display < 0 || SDL_GetDesktopDisplayMode(display, &mode) != 0) {
        return 0;
    }
    return mode.refresh_rate;
}

InstanceLock::InstanceLock(const std::string& name) {
    std::string file;
    for (char c : name) {
        file += (c == ' ' || c == '\'' || c == '/') ? '_' : c;
    }
    // One copy per player: the user's runtime folder, else a file in /tmp
    // named after the user, so players on one machine do not block each other.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string path = (runtime && runtime[0] == '/')
                                 ? std::string(runtime) + "/" + file + ".lock"
                                 : "/tmp/" + file + "-" + std::to_string(getuid()) + ".lock";
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        // Without a lock file we cannot tell; let this copy run.
        return;
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        close(fd_);
        fd_ = -1;
        acquired_ = false;
    }
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        flock(fd_, LOCK_UN);
        close(fd_);
    }
}

} // namespace vrels::platform
