// The picture check over any file image, then the image decoder over every
// picture the check lets through: the check must keep the decoder from huge
// allocations and from reading past the end, and what decodes has the size
// the header gave.
#include "lib/TgaCheck.h"
#include "tests/fuzz/FuzzTarget.h"

#include <SDL.h>
#include <SDL_image.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrels::TgaFacts facts;
    if (!vrels::CheckTga(data, size, &facts).empty()) {
        return 0;
    }
    FUZZ_CHECK(facts.width >= 1 && facts.width <= vrels::kMaxImageSide);
    FUZZ_CHECK(facts.height >= 1 && facts.height <= vrels::kMaxImageSide);
    SDL_RWops* source = SDL_RWFromConstMem(data, static_cast<int>(size));
    FUZZ_CHECK(source != nullptr);
    SDL_Surface* surface = IMG_LoadTyped_RW(source, 1, "TGA");
    if (surface) {
        FUZZ_CHECK(static_cast<unsigned>(surface->w) == facts.width);
        FUZZ_CHECK(static_cast<unsigned>(surface->h) == facts.height);
        SDL_FreeSurface(surface);
    }
    return 0;
}
