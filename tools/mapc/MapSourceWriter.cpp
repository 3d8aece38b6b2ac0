#include <algorithm>
#include <map>
#include <sstream>

#include "tools/mapc/ChipCode.h"
#include "tools/mapc/LegendKeys.h"
#include "tools/mapc/LegendValue.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"

namespace mapc {
namespace {

// The distinct values a layer needs, counted, so that the most frequent ones
// get the first keys (the ground usually ends up as '#').
class ValueTable {
public:
    std::size_t Add(const std::string& text, int code, const std::string& kind) {
        const auto found = index_.find(text);
        if (found != index_.end()) {
            ++counts_[found->second];
            return found->second;
        }
        index_.emplace(text, texts_.size());
        texts_.push_back(text);
        codes_.push_back(code);
        kinds_.push_back(kind);
        counts_.push_back(1);
        return texts_.size() - 1;
    }

    std::size_t Size() const { return texts_.size(); }

    // Value indices by falling frequency, ties in order of first use.
    std::vector<std::size_t> ByFrequency() const {
        std::vector<std::size_t> order(texts_.size());
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
        }
        std::stable_sort(order.begin(), order.end(),
                         [this](std::size_t a, std::size_t b) { return counts_[a] > counts_[b]; });
        return order;
    }

    const std::string& Text(std::size_t i) const { return texts_[i]; }
    int Code(std::size_t i) const { return codes_[i]; }
    const std::string& Kind(std::size_t i) const { return kinds_[i]; }

private:
    std::map<std::string, std::size_t> index_;
    std::vector<std::string> texts_;
    std::vector<int> codes_;
    std::vector<std::string> kinds_;
    std::vector<int> counts_;
};

std::string ObjectKind(int objectCode) {
    // Object codes in the scenery rows are placed as solid blocks.
    const std::string kind = KindOfCode(objectCode);
    return kind == "scenery" ? "solid block" : kind;
}

std::string ChipKind(const Cell& cell) {
    const auto code = ChipCodeOf({cell.chipX, cell.chipY});
    std::string kind = code ? KindOfCode(*code) : "raw chip pixels";
    if (cell.objectCode != 0) {
        kind += ", " + ObjectKind(cell.objectCode) + " over it";
    }
    return kind;
}

int PlainCode(const Cell& cell) {
    const auto code = ChipCodeOf({cell.chipX, cell.chipY});
    return code && cell.objectCode == 0 ? *code : -1;
}

std::string HeaderHex(const TileMap& map) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : map.header) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

bool HasStartMarker(const TileMap& map) {
    const auto marker = ChipPixelOf(kStartMarkerCode);
    return std::any_of(map.cells.begin(), map.cells.end(), [&](const Cell& cell) {
        return (cell.chipX == marker->x && cell.chipY == marker->y) ||
               cell.objectCode == kStartMarkerCode;
    });
}

void WriteLayer(std::ostream& out, const char* name, const TileMap& map,
                const std::vector<std::size_t>& cellValues, const std::vector<std::string>& keys) {
    out << "\n" << name << ":\n";
    for (int row = 0; row < map.height; ++row) {
        out << '|';
        for (int column = 0; column < map.width; ++column) {
            out << keys[cellValues[column + row * map.width]];
        }
        out << "|\n";
    }
}

} // namespace

std::string WriteMapSource(const TileMap& map, const std::string& origin) {
    const std::size_t cellCount = map.cells.size();
    const bool anyObject = std::any_of(map.cells.begin(), map.cells.end(),
                                       [](const Cell& cell) { return cell.objectCode != 0; });

    // One drawn layer with combined keys reads best; a second layer is used
    // when the combinations would not fit single characters.
    ValueTable combined;
    std::vector<std::size_t> combinedValues(cellCount);
    for (std::size_t i = 0; i < cellCount; ++i) {
        const Cell& cell = map.cells[i];
        combinedValues[i] = combined.Add(FormatCellValue(cell), PlainCode(cell), ChipKind(cell));
    }
    const bool twoLayers = anyObject && combined.Size() > LegendKeys::SingleCharacterCapacity();

    ValueTable table;
    std::vector<std::size_t> chipValues(cellCount);
    std::vector<std::size_t> objectValues(cellCount);
    if (twoLayers) {
        for (std::size_t i = 0; i < cellCount; ++i) {
            Cell chip = map.cells[i];
            chip.objectCode = 0;
            chipValues[i] = table.Add(FormatCellValue(chip), PlainCode(chip), ChipKind(chip));
        }
        for (std::size_t i = 0; i < cellCount; ++i) {
            const int object = map.cells[i].objectCode;
            objectValues[i] = table.Add(FormatObjectValue(object), object,
                                        object == 0 ? "empty" : ObjectKind(object));
        }
    } else {
        table = combined;
        chipValues = combinedValues;
    }

    const std::vector<std::size_t> order = table.ByFrequency();
    std::vector<std::string> orderedTexts;
    std::vector<int> orderedCodes;
    for (std::size_t i : order) {
        orderedTexts.push_back(table.Text(i));
        orderedCodes.push_back(table.Code(i));
    }
    const LegendKeys keyMaker(orderedTexts, orderedCodes);
    std::vector<std::string> keys(table.Size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        keys[order[rank]] = keyMaker.KeyFor(rank);
    }

    std::ostringstream out;
    out << "# Written by vrels-mapc --dump from " << origin << "\n";
    out << "# " << map.width << " x " << map.height << " cells\n";
    out << kSourceFormatLine << "\n";
    if (keyMaker.CellWidth() != 1) {
        out << "cell-width = " << keyMaker.CellWidth() << "\n";
    }
    if (!HasStartMarker(map)) {
        out << "start = optional\n";
    }
    if (map.word3 != 0 || map.word4 != 0) {
        out << "words = " << map.word3 << " " << map.word4 << "\n";
    }
    if (map.header != StandardHeader()) {
        out << "header = " << HeaderHex(map) << "\n";
    }

    out << "\n";
    for (std::size_t i : order) {
        std::string entry = "\"" + keys[i] + "\" = " + table.Text(i);
        entry.resize(std::max<std::size_t>(entry.size() + 1, 24), ' ');
        out << entry << "# " << table.Kind(i) << "\n";
    }
    WriteLayer(out, "chips", map, chipValues, keys);
    if (twoLayers) {
        WriteLayer(out, "objects", map, objectValues, keys);
    }
    return out.str();
}

} // namespace mapc
