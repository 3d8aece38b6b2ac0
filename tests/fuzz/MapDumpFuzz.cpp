// The map compiler's --dump over any file image. Whatever the game loads must
// dump, and a dump must compile back to a map with the same fields.
#include "tests/fuzz/FuzzTarget.h"
#include "tools/mapc/Diagnostics.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"
#include "world/TileMapFile.h"

#include <stdexcept>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const mapc::DecodeResult decoded = mapc::DecodeTm2(bytes);
    bool gameLoads = true;
    try {
        world::ParseTileMap(data, size, "fuzz.tm2");
    } catch (const std::runtime_error&) {
        gameLoads = false;
    }
    FUZZ_CHECK(decoded.ok == gameLoads);
    if (!decoded.ok) {
        return 0;
    }
    const std::string text = mapc::WriteMapSource(decoded.map, "fuzz.tm2");
    mapc::Diagnostics diagnostics("fuzz.map");
    const auto again = mapc::ParseMapSource(text, diagnostics);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(mapc::EncodeTm2(*again) == mapc::EncodeTm2(decoded.map));
    return 0;
}
