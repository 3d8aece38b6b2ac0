#include "tools/mapc/ChipCode.h"

#include <map>

namespace mapc {

std::optional<ChipPixel> ChipPixelOf(int code) {
    if (code < 0 || code > kMaxChipCode) {
        return std::nullopt;
    }
    ChipPixel pixel;
    pixel.x = static_cast<std::uint16_t>(code / 100 * kChipSize);
    pixel.y = static_cast<std::uint16_t>(code % 100 * kChipSize);
    return pixel;
}

std::optional<int> ChipCodeOf(ChipPixel pixel) {
    if (pixel.x % kChipSize != 0 || pixel.y % kChipSize != 0) {
        return std::nullopt;
    }
    const int row = pixel.y / kChipSize;
    if (row >= 100) {
        return std::nullopt;
    }
    return pixel.x / kChipSize * 100 + row;
}

std::string KindOfCode(int code) {
    // Codes with a rule in the game's placement; everything else in the active
    // rows is a plain solid block, and the lower rows are scenery.
    static const std::map<int, std::string> kinds = {
        {0, "empty"},
        {2, "Scaffolding"},
        {3, "Scaffolding"},
        {5, "Brain"},
        {6, "Dummy"},
        {7, "Burner left"},
        {8, "Goal"},
        {9, "boss marker"},
        {102, "Scaffolding"},
        {103, "Scaffolding"},
        {105, "Met"},
        {107, "Burner right"},
        {108, "Floating platform"},
        {109, "boss goal marker"},
        {205, "Togezo"},
        {207, "Burner up"},
        {208, "Coin"},
        {305, "Mecha"},
        {307, "Burner down"},
        {308, "Magazine"},
        {405, "Death"},
        {407, "FireBallStand left"},
        {408, "Midpoint checkpoint"},
        {501, "BreakBlock"},
        {505, "Monoeye"},
        {507, "FireBallStand right"},
        {508, "Oneup"},
        {605, "PataPataFloat"},
        {608, "Event 1"},
        {609, "Event 5"},
        {705, "PataPata"},
        {708, "Event 2"},
        {709, "start marker"},
        {800, "Guruguru block, turning 0"},
        {801, "Guruguru block, turning 1"},
        {805, "Ghost"},
        {808, "Event 3"},
        {901, "BringBlock"},
        {902, "BringBlock"},
        {905, "Marionette"},
        {908, "Event 4"},
        {1700, "Toge"},
        {1800, "UToge"},
        {1900, "Tekyu"},
        {1901, "VerticalTekyu"},
    };
    const auto found = kinds.find(code);
    if (found != kinds.end()) {
        return found->second;
    }
    return code % 100 >= kFirstSceneryRow ? "scenery" : "solid block";
}

} // namespace mapc
