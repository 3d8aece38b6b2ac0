#pragma once
// Shared set-up for the sound tests: a scratch folder for logs and files, no
// dialogs, and a sound manager on the offline mixer.
#include "app/Log.h"
#include "lib/MixerOffline.h"
#include "lib/SoundManager.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace soundtest {

inline std::filesystem::path ScratchDir(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vrels-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

// A sound manager initialised on an offline mixer that the test drives.
struct OfflineSound {
    explicit OfflineSound(const std::string& name) : dir(ScratchDir(name)) {
        ::setenv("VRELS_NO_DIALOGS", "1", 1);
        vrels::SetLogPath((dir / "log.txt").string());
        manager.masterVolume = 0.75f;
        manager.UseDevice(mixer);
        manager.Init(nullptr);
    }
    ~OfflineSound() {
        vrels::SetLogPath("log.txt");
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    std::filesystem::path dir;
    std::shared_ptr<vrels::audio::OfflineMixer> mixer =
        std::make_shared<vrels::audio::OfflineMixer>();
    SoundManager manager;
};

inline std::string DataFile(const std::string& name) {
    return std::string(VRELS_TEST_DATA_DIR) + "/audio/" + name;
}

} // namespace soundtest
