// The map compiler's source parser over any text: it compiles or reports, and
// what it compiles the game loads and the tool dumps.
#include "tests/fuzz/FuzzTarget.h"
#include "tools/mapc/Diagnostics.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    mapc::Diagnostics diagnostics("fuzz.map");
    const auto map = mapc::ParseMapSource(text, diagnostics);
    if (!map) {
        return 0;
    }
    FUZZ_CHECK(map->cells.size() == static_cast<std::size_t>(map->width) * map->height);
    FUZZ_CHECK(mapc::DecodeTm2(mapc::EncodeTm2(*map)).ok);
    return 0;
}
