#include "lib/PictureFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace vrels {

namespace {

// The largest side squared at four bytes a pixel, plus room for a header, an
// identification field and a colour map: no picture the game loads is larger.
constexpr std::uint64_t kMaxPictureFileBytes =
    static_cast<std::uint64_t>(kMaxImageSide) * kMaxImageSide * 4 + 65536;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::string ReadPictureFile(const std::string& file, std::vector<std::uint8_t>* bytes,
                            TgaFacts* facts) {
    bytes->clear();
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in) {
        return std::string("cannot open the file: ") + std::strerror(errno);
    }
    struct stat st {};
    if (fstat(fileno(in.get()), &st) != 0) {
        return std::string("cannot look at the file: ") + std::strerror(errno);
    }
    if (!S_ISREG(st.st_mode)) {
        return "not a regular file";
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxPictureFileBytes) {
        return "the file is larger than any picture the game loads";
    }
    bytes->resize(static_cast<std::size_t>(st.st_size));
    if (!bytes->empty() && std::fread(bytes->data(), 1, bytes->size(), in.get()) != bytes->size()) {
        return "the file could not be read to the end";
    }
    if (!HasTgaExtension(file)) {
        return std::string();
    }
    return CheckTga(bytes->data(), bytes->size(), facts);
}

} // namespace vrels
