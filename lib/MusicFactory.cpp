#include "lib/OggStream.h"
#include "lib/OggStreamPlayer.h"
#include "lib/SoundErrorReport.h"

#include <memory>
#include <stdexcept>

// The real music stream on the sound manager's device, or null when it cannot
// start (the failure is logged); the application then installs the silent
// stream and every music call is harmless.
std::shared_ptr<IOggStream> CreateMusicStream(SoundManager* soundManager) {
    auto stream = std::make_shared<COggStream>();
    try {
        stream->Init(soundManager);
    } catch (const std::runtime_error& e) {
        vrels::audio::LogSoundError(e.what());
        return nullptr;
    }
    return stream;
}
