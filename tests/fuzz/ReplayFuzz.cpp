// A replay file of any contents plays back byte for byte (bits 6 and 7
// dropped) and then reads 0, and saving the recording writes those bytes
// back; a file larger than any stage records plays nothing.
#include "app/Log.h"
#include "app/SystemInfo.h"
#include "lib/myInput.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ScratchFolder.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool inFolder = [] {
        // Replays live in "replay/" under the working folder.
        FUZZ_CHECK(chdir(fuzz::ScratchFolder().c_str()) == 0);
        mkdir("replay", 0755);
        vrels::SetLogPath(fuzz::ScratchFolder() + "/log.txt");
        return true;
    }();
    (void)inFolder;
    fuzz::WriteScratchFile("replay/11.rec", data, size);

    SystemInfo_t state;
    state.demo = true;
    myInput input("vrels.ini", &state);
    input.ClearRecording();
    input.LoadRecording(11);
    std::vector<std::uint8_t> expected;
    if (size <= static_cast<std::size_t>(myInput::MaxReplayBytes)) {
        for (std::size_t i = 0; i < size; ++i) {
            expected.push_back(data[i] & ButtonMask);
        }
    }
    FUZZ_CHECK(input.recording == expected);
    for (const std::uint8_t b : expected) {
        FUZZ_CHECK(input.ReadButtons() == b);
    }
    FUZZ_CHECK(input.ReadButtons() == 0);

    state.demo = false;
    input.SaveRecording(12);
    std::ifstream in("replay/12.rec", std::ios::binary);
    const std::vector<std::uint8_t> saved((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    FUZZ_CHECK(saved == expected);
    return 0;
}
