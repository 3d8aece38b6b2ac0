// Music is replaceable by modders: an intro and a loop file of any contents go
// through the music stream exactly as a stage opens them (one file once, one
// file looping, or an intro joined to its loop file) and play for two and a
// half seconds on the offline mixer. A file may be refused or fall silent,
// but nothing may crash or hang, the worker stays in a state the game can go
// on from, and a piece that could not be opened plays only silence.
//
// Input: byte 0 picks the piece (bit 0: intro and loop file, else one file;
// bit 1: the one file loops), bytes 1 and 2 (little-endian) give the length
// of the first file, and the rest holds the first file and then the second.
#include "app/Log.h"
#include "lib/MixerOffline.h"
#include "lib/OggStreamPlayer.h"
#include "lib/SoundManager.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ScratchFolder.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Rendered a quarter of a second at a time, each pass followed by the
// worker's refills: well inside the second a refill has before the cursor
// needs it, and few enough hand-overs to keep a run quick.
constexpr int kFramesPerStep = 11025;
constexpr int kSteps = 10; // 2.5 s: the start of play and two refills

// One sound manager on an offline mixer for the whole process.
SoundManager& OfflineManager() {
    static SoundManager* manager = [] {
        setenv("VRELS_NO_DIALOGS", "1", 1);
        vrels::SetLogPath(fuzz::ScratchFolder() + "/log.txt");
        auto* made = new SoundManager(); // lives as long as the process
        made->UseDevice(std::make_shared<vrels::audio::OfflineMixer>());
        FUZZ_CHECK(made->Init(nullptr));
        return made;
    }();
    return *manager;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    SoundManager& manager = OfflineManager();
    auto* mixer = static_cast<vrels::audio::OfflineMixer*>(manager.Device().get());
    const bool withLoopFile = (data[0] & 1) != 0;
    const bool looping = (data[0] & 2) != 0;
    const std::size_t rest = size - 3;
    const std::size_t firstSize = std::min<std::size_t>(data[1] | data[2] << 8, rest);
    const std::string first = fuzz::WriteScratchFile("first.ogg", data + 3, firstSize);
    const std::string second =
        fuzz::WriteScratchFile("second.ogg", data + 3 + firstSize, rest - firstSize);

    COggStream stream;
    stream.Init(&manager);
    if (withLoopFile) {
        stream.OpenIntro(first, second);
    } else {
        stream.Open(first, looping ? 1 : 0);
    }
    const bool opened = stream.LastError().empty();
    stream.Play();
    // A piece shorter than the first refill may already have ended (0).
    FUZZ_CHECK(opened ? stream.State() >= 0 : stream.State() == -1);
    bool heardSomething = false;
    for (int step = 0; step < kSteps; ++step) {
        const auto out = mixer->Render(kFramesPerStep);
        FUZZ_CHECK(out.size() == 2u * kFramesPerStep);
        heardSomething =
            heardSomething || std::any_of(out.begin(), out.end(), [](auto s) { return s != 0; });
        stream.WaitForWorker();
        const int state = stream.State();
        FUZZ_CHECK(state >= -1 && state <= 1);
    }
    FUZZ_CHECK(opened || !heardSomething);
    stream.Halt();
    FUZZ_CHECK(stream.State() == 0);
    return 0;
}
