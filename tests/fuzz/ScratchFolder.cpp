#include "tests/fuzz/ScratchFolder.h"

#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzz {

namespace {
std::string g_folder;

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}
} // namespace

const std::string& ScratchFolder() {
    if (g_folder.empty()) {
        std::string pattern =
            access("/dev/shm", W_OK) == 0 ? "/dev/shm/vrels-fuzz-XXXXXX" : "/tmp/vrels-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        g_folder = pattern;
        std::atexit(RemoveFolder);
    }
    return g_folder;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size);
    FUZZ_CHECK(std::fclose(file) == 0);
    return path;
}

} // namespace fuzz
