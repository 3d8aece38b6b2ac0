// A replay file of any contents plays back byte for byte and then reads 0,
// and saving the recording writes the same bytes back.
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
    FUZZ_CHECK(input.recording.size() == size);
    for (std::size_t i = 0; i < size; ++i) {
        FUZZ_CHECK(input.ReadButtons() == data[i]);
    }
    FUZZ_CHECK(input.ReadButtons() == 0);

    state.demo = false;
    input.SaveRecording(12);
    std::ifstream in("replay/12.rec", std::ios::binary);
    const std::vector<std::uint8_t> saved((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    FUZZ_CHECK(saved == std::vector<std::uint8_t>(data, data + size));
    return 0;
}
