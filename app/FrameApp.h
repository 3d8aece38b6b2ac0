#pragma once
// A window plus an idle-driven message loop: while no event waits, OnIdle
// runs; the loop sleeps only when OnIdle asks it to.
#include "lib/Platform.h"

#include <memory>
#include <string>

struct WindowParams {
    std::string title = "Default";
    bool fullScreen = false;
    int scale = 1;
};

class FrameApp {
public:
    explicit FrameApp(std::string commandLine);
    virtual ~FrameApp();
    FrameApp(const FrameApp&) = delete;
    FrameApp& operator=(const FrameApp&) = delete;

    virtual bool Initialize();
    virtual bool OnIdle(int idleCount);
    virtual bool PreTranslateMessage(const vrels::platform::Event& event);
    virtual void PreCreateWindow(WindowParams& params);
    virtual bool OnCreate();
    virtual void OnDestroy();
    virtual void WindowProc(const vrels::platform::Event& event);

    // Runs until the quit event and returns its code.
    int RunMessageLoop();
    // Handles every waiting event; true when the quit event was seen.
    bool PumpEvents(int* quitCode);

    const std::string commandLine;
    vrels::platform::Event message;
    std::unique_ptr<vrels::platform::Window> window;

protected:
    bool CreateMainWindow(const std::string& title);
};
