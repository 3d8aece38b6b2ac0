// Entry point of the game: one copy at a time, its folders (portable or
// installed), a fresh log, the application object, its message loop, and an
// orderly end on any error.
#include "app/ErrorReport.h"
#include "app/GameFolderSetup.h"
#include "app/Log.h"
#include "app/Paths.h"
#include "app/VrelsSkarovApp.h"
#include "lib/Platform.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    vrels::platform::InstanceLock lock("Vrel's Skarov");
    if (!lock.Acquired()) {
        return 0; // another copy runs: leave silently, its log untouched
    }
    const std::string executableFolder = vrels::ExecutableDirectory();
    if (!vrels::EnterGameFolders(executableFolder)) {
        // No data beside the executable nor installed: the game folder is the
        // working directory, the settings stay beside the executable.
        vrels::UseWorkingDirectory(executableFolder);
    }
    std::remove(vrels::LogPath().c_str());

    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            commandLine += ' ';
        }
        commandLine += argv[i];
    }

    int exitCode = 0;
    try {
        auto app = std::make_unique<VrelsSkarovApp>(commandLine);
        if (app->Initialize()) {
            exitCode = app->RunMessageLoop();
        } else {
            vrels::ReportFatal("初期化失敗");
            exitCode = 1;
        }
        app.reset();
    } catch (const std::exception& e) {
        vrels::ReportFatal(e.what());
        exitCode = 1;
    } catch (...) {
        vrels::ReportFatal("unknown error");
        exitCode = 1;
    }
    vrels::platform::Shutdown();
    return exitCode;
}
