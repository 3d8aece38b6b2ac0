#include "app/FrameApp.h"

using vrels::platform::Event;
using vrels::platform::EventType;

FrameApp::FrameApp(std::string line) : commandLine(std::move(line)) {}

FrameApp::~FrameApp() = default;

bool FrameApp::Initialize() {
    return CreateMainWindow("Default");
}

bool FrameApp::OnIdle(int) {
    return false;
}

bool FrameApp::PreTranslateMessage(const Event&) {
    return false;
}

void FrameApp::PreCreateWindow(WindowParams&) {}

bool FrameApp::OnCreate() {
    return true;
}

void FrameApp::OnDestroy() {
    vrels::platform::PostQuit(0);
}

void FrameApp::WindowProc(const Event& event) {
    if (event.type == EventType::CloseRequested && window && window->Exists() &&
        !window->Closed()) {
        // Off the screen now; the window itself goes with the application,
        // after the renderer and the textures made on it.
        window->Close();
        OnDestroy();
    }
}

bool FrameApp::CreateMainWindow(const std::string& title) {
    WindowParams params;
    params.title = title;
    PreCreateWindow(params);
    window = std::make_unique<vrels::platform::Window>();
    if (!window->Create(params.title, params.fullScreen, params.scale)) {
        return false;
    }
    if (!OnCreate()) {
        window->Destroy();
        return false;
    }
    return window->Exists();
}

bool FrameApp::PumpEvents(int* quitCode) {
    while (vrels::platform::TakeEvent(message)) {
        if (message.type == EventType::Quit) {
            *quitCode = message.code;
            return true;
        }
        if (!PreTranslateMessage(message)) {
            WindowProc(message);
        }
    }
    return false;
}

int FrameApp::RunMessageLoop() {
    for (;;) {
        int idleCount = 0;
        bool wantIdle = true;
        while (!vrels::platform::EventPending()) {
            if (wantIdle) {
                ++idleCount;
                if (!OnIdle(idleCount)) {
                    wantIdle = false;
                }
            } else {
                vrels::platform::WaitForEvent();
            }
        }
        // One event restarts the idle count.
        if (vrels::platform::TakeEvent(message)) {
            if (message.type == EventType::Quit) {
                return message.code;
            }
            if (!PreTranslateMessage(message)) {
                WindowProc(message);
            }
        }
    }
}
