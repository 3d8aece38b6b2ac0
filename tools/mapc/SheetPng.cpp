#include "tools/mapc/SheetPng.h"

#include "lib/TgaCheck.h"
#include "tools/mapc/ChipCode.h"
#include "tools/mapc/FileIo.h"
#include "tools/mapc/TmxFile.h"

#include <SDL_image.h>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace mapc {

namespace {
struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;
} // namespace

bool WriteSheetPng(const std::string& sheetTga, const std::string& pngPath, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(sheetTga, bytes, error)) {
        return false;
    }
    vrels::TgaFacts facts;
    const std::string refused = vrels::CheckTga(bytes.data(), bytes.size(), &facts);
    if (!refused.empty()) {
        error = sheetTga + ": " + refused;
        return false;
    }
    const unsigned width = kSheetColumns * kChipSize;
    const unsigned height = kSheetRows * kChipSize;
    if (facts.width != width || facts.height != height) {
        error = sheetTga + ": the chip sheet is " + std::to_string(width) + " x " +
                std::to_string(height) + " pixels, this picture " + std::to_string(facts.width) +
                " x " + std::to_string(facts.height);
        return false;
    }
    // TGA has no signature, so the decoder is told the kind.
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    const Surface sheet(source ? IMG_LoadTyped_RW(source, 1, "TGA") : nullptr);
    if (!sheet) {
        error = sheetTga + ": " + IMG_GetError();
        return false;
    }
    // Written beside the target and renamed, like every output of the tool.
    const std::string part = pngPath + ".part";
    if (IMG_SavePNG(sheet.get(), part.c_str()) != 0) {
        error = pngPath + ": " + IMG_GetError();
        std::remove(part.c_str());
        return false;
    }
    if (std::rename(part.c_str(), pngPath.c_str()) != 0) {
        error = pngPath + ": cannot replace the file";
        std::remove(part.c_str());
        return false;
    }
    return true;
}

} // namespace mapc
