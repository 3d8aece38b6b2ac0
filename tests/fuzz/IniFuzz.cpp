// The settings reader and writer over any file: reading never fails, and
// writing one key keeps it readable with the value written.
#include "app/IniFile.h"
#include "app/Log.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ScratchFolder.h"

#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrels::SetLogPath(fuzz::ScratchFolder() + "/log.txt");
    const std::string path = fuzz::WriteScratchFile("vrels.ini", data, size);
    vrels::IniReadInt(path, "General", "GameLevel", 1);
    vrels::IniReadInt(path, "Save", "LastStage", 11);
    const std::string full = vrels::IniReadString(path, "Graphics", "FullScreen", "1");
    FUZZ_CHECK(full.size() <= 1023);
    const int before = vrels::IniReadInt(path, "Sound", "BGM", -12345);
    if (vrels::IniWriteString(path, "Save", "LastStage", "23")) {
        FUZZ_CHECK(vrels::IniReadInt(path, "Save", "LastStage", 0) == 23);
        FUZZ_CHECK(vrels::IniReadInt(path, "Sound", "BGM", -12345) == before);
    }
    std::remove((fuzz::ScratchFolder() + "/log.txt").c_str());
    return 0;
}
