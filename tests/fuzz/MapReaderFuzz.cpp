// The game's map reader over any file image: it loads or refuses with "Open
// Error: ", never reads out of bounds, and what it loads has the size it says.
#include "tests/fuzz/FuzzTarget.h"
#include "world/TileMapFile.h"

#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const world::TileMapData map = world::ParseTileMap(data, size, "fuzz.tm2");
        FUZZ_CHECK(map.width > 0 && map.height > 0);
        FUZZ_CHECK(static_cast<long long>(map.width) * map.height <= world::MaxMapCells);
        FUZZ_CHECK(map.cells.size() == static_cast<std::size_t>(map.width) * map.height);
        for (const world::MapCell& cell : map.cells) {
            FUZZ_CHECK(!(cell.chipX == 0 && cell.chipY == 0));
        }
    } catch (const std::runtime_error& e) {
        FUZZ_CHECK(std::string(e.what()) == "Open Error: fuzz.tm2");
    }
    return 0;
}
