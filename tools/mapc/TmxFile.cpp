#include "tools/mapc/TmxFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "tools/mapc/ChipCode.h"
#include "tools/mapc/Tm2File.h"
#include "tools/mapc/XmlReader.h"

namespace mapc {
namespace {

constexpr std::uint32_t kFlipFlags = 0xF0000000u; // flip and rotation bits of a gid
constexpr int kFirstGid = 1;

// Tile id of a chip pixel on the sheet, or -1 when the editor cannot show it.
int TileIdOfPixel(std::uint16_t x, std::uint16_t y) {
    if (x % kChipSize != 0 || y % kChipSize != 0) {
        return -1;
    }
    const int column = x / kChipSize;
    const int row = y / kChipSize;
    return column < kSheetColumns && row < kSheetRows ? row * kSheetColumns + column : -1;
}

int TileIdOfCode(int code) {
    const int column = code / 100;
    const int row = code % 100;
    return column < kSheetColumns && row < kSheetRows ? row * kSheetColumns + column : -1;
}

// Gid written for a tile id: the sheet's empty chip (0, 0) is written as the
// editor's empty cell.
long long GidOf(int tileId) {
    return tileId <= 0 ? 0 : tileId + kFirstGid;
}

bool HasStartMarker(const TileMap& map) {
    const auto marker = ChipPixelOf(kStartMarkerCode);
    for (const Cell& cell : map.cells) {
        if ((cell.chipX == marker->x && cell.chipY == marker->y) ||
            cell.objectCode == kStartMarkerCode) {
            return true;
        }
    }
    return false;
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

void WriteCsv(std::ostream& out, const TileMap& map, const std::vector<long long>& gids) {
    out << "\n";
    for (int row = 0; row < map.height; ++row) {
        for (int column = 0; column < map.width; ++column) {
            out << gids[column + row * map.width];
            const bool last = row == map.height - 1 && column == map.width - 1;
            if (!last) {
                out << ',';
            }
        }
        out << "\n";
    }
}

// ---- reading ----

bool ParseInt(const std::string& text, long long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end != nullptr && *end == '\0';
}

class TmxReader {
public:
    TmxReader(Diagnostics& diagnostics,
              const std::function<bool(const std::string&, std::string&)>& readFile)
        : diagnostics_(diagnostics), readFile_(readFile) {}

    std::optional<TileMap> Read(const std::string& text) {
        const XmlParseResult parsed = ParseXml(text);
        if (!parsed.root) {
            diagnostics_.Error(parsed.errorLine, 0, "not a readable XML file: " + parsed.error);
            return std::nullopt;
        }
        const XmlElement& root = *parsed.root;
        if (root.name != "map") {
            return Fail(root, "the document element is <" + root.name + ">, not <map>");
        }
        if (root.Attribute("orientation", "orthogonal") != "orthogonal") {
            return Fail(root, "only orthogonal maps can be read");
        }
        if (root.Attribute("infinite", "0") != "0") {
            return Fail(root, "infinite maps cannot be read; turn \"Infinite\" off in the map's "
                              "properties");
        }
        if (root.Attribute("tilewidth") != "32" || root.Attribute("tileheight") != "32") {
            return Fail(root, "tiles must be 32 x 32");
        }
        long long width = 0;
        long long height = 0;
        if (!ParseInt(root.Attribute("width"), width) ||
            !ParseInt(root.Attribute("height"), height) || width <= 0 || height <= 0) {
            return Fail(root, "the map needs a positive width and height");
        }
        if (width * height > kMaxCells) {
            return Fail(root, "the map has more than " + std::to_string(kMaxCells) +
                                  " cells, which the game refuses");
        }
        TileMap map;
        map.header = StandardHeader();
        map.width = static_cast<std::int32_t>(width);
        map.height = static_cast<std::int32_t>(height);
        map.cells.assign(static_cast<std::size_t>(width * height), Cell{});

        if (!ReadTileset(root)) {
            return std::nullopt;
        }
        bool startOptional = false;
        std::string extraCells;
        const XmlElement* properties = root.Child("properties");
        if (properties && !ReadProperties(*properties, map, startOptional, extraCells)) {
            return std::nullopt;
        }

        const XmlElement* chips = nullptr;
        const XmlElement* objects = nullptr;
        for (const XmlElement* layer : root.Children("layer")) {
            const std::string name = layer->Attribute("name");
            if (name == "chips" && !chips) {
                chips = layer;
            } else if (name == "objects" && !objects) {
                objects = layer;
            } else {
                return Fail(*layer, "unexpected tile layer \"" + name +
                                        "\"; a map has the layers \"chips\" and \"objects\"");
            }
        }
        if (!chips) {
            return Fail(root, "the tile layer \"chips\" is missing");
        }
        std::vector<long long> gids;
        if (!ReadLayer(*chips, map, gids)) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < gids.size(); ++i) {
            const int tile = static_cast<int>(gids[i] == 0 ? 0 : gids[i] - firstGid_);
            map.cells[i].chipX = static_cast<std::uint16_t>((tile % kSheetColumns) * kChipSize);
            map.cells[i].chipY = static_cast<std::uint16_t>((tile / kSheetColumns) * kChipSize);
        }
        if (objects) {
            if (!ReadLayer(*objects, map, gids)) {
                return std::nullopt;
            }
            for (std::size_t i = 0; i < gids.size(); ++i) {
                const int tile = static_cast<int>(gids[i] == 0 ? 0 : gids[i] - firstGid_);
                map.cells[i].objectCode =
                    static_cast<std::uint16_t>((tile % kSheetColumns) * 100 + tile / kSheetColumns);
            }
        }
        if (!extraCells.empty() && !ApplyExtraCells(*properties, extraCells, map)) {
            return std::nullopt;
        }
        if (!startOptional && !HasStartMarker(map)) {
            return Fail(*chips, "the map has no start marker (code 709); set the map property \"" +
                                    std::string(kTmxStartProperty) +
                                    "\" to \"optional\" if that is intended");
        }
        return map;
    }

private:
    std::optional<TileMap> Fail(const XmlElement& where, const std::string& message) {
        diagnostics_.Error(where.line, 0, message);
        return std::nullopt;
    }

    bool Error(const XmlElement& where, const std::string& message) {
        diagnostics_.Error(where.line, 0, message);
        return false;
    }

    bool ReadTileset(const XmlElement& root) {
        const std::vector<const XmlElement*> tilesets = root.Children("tileset");
        if (tilesets.size() != 1) {
            return Error(root, "a map uses exactly one tileset, the chip sheet");
        }
        const XmlElement& tileset = *tilesets.front();
        long long firstGid = 0;
        if (!ParseInt(tileset.Attribute("firstgid"), firstGid) || firstGid < 1) {
            return Error(tileset, "the tileset has no valid firstgid");
        }
        firstGid_ = firstGid;
        std::string columns = tileset.Attribute("columns");
        std::string tileWidth = tileset.Attribute("tilewidth");
        std::unique_ptr<XmlElement> external;
        if (tileset.Has("source")) {
            std::string text;
            const std::string source = tileset.Attribute("source");
            if (!readFile_ || !readFile_(source, text)) {
                return Error(tileset, "cannot read the tileset file " + source);
            }
            XmlParseResult parsed = ParseXml(text);
            if (!parsed.root || parsed.root->name != "tileset") {
                return Error(tileset, "the tileset file " + source + " is not a tileset" +
                                          (parsed.error.empty() ? "" : ": " + parsed.error));
            }
            external = std::move(parsed.root);
            columns = external->Attribute("columns");
            tileWidth = external->Attribute("tilewidth");
        }
        if (columns != std::to_string(kSheetColumns) || tileWidth != "32") {
            return Error(tileset, "the tileset must be the chip sheet: 20 columns of 32 x 32 "
                                  "tiles");
        }
        return true;
    }

    bool ReadProperties(const XmlElement& properties, TileMap& map, bool& startOptional,
                        std::string& extraCells) {
        for (const XmlElement* property : properties.Children("property")) {
            const std::string name = property->Attribute("name");
            const std::string value =
                property->Has("value") ? property->Attribute("value") : property->text;
            if (name == kTmxWordsProperty) {
                std::istringstream in(value);
                long long a = 0;
                long long b = 0;
                std::string rest;
                if (!(in >> a >> b) || (in >> rest) || a < INT32_MIN || a > INT32_MAX ||
                    b < INT32_MIN || b > INT32_MAX) {
                    return Error(*property, "\"" + name + "\" needs two 32-bit numbers");
                }
                map.word3 = static_cast<std::int32_t>(a);
                map.word4 = static_cast<std::int32_t>(b);
            } else if (name == kTmxHeaderProperty) {
                if (value.size() != kHeaderSize * 2) {
                    return Error(*property, "\"" + name + "\" needs 96 hex digits");
                }
                for (std::size_t i = 0; i < kHeaderSize; ++i) {
                    const std::string pair = value.substr(i * 2, 2);
                    char* end = nullptr;
                    const long byte = std::strtol(pair.c_str(), &end, 16);
                    if (end != pair.c_str() + 2 || pair[0] == '-' || pair[0] == '+') {
                        return Error(*property, "\"" + name + "\" needs 96 hex digits");
                    }
                    map.header[i] = static_cast<std::uint8_t>(byte);
                }
            } else if (name == kTmxStartProperty) {
                if (value != "optional" && value != "required") {
                    return Error(*property, "\"" + name + "\" is \"optional\" or \"required\"");
                }
                startOptional = value == "optional";
            } else if (name == kTmxCellsProperty) {
                extraCells = value;
            }
            // Other properties belong to the editor or the modder; they do not
            // reach the game.
        }
        return true;
    }

    bool DecodeBase64(const XmlElement& data, const std::string& text,
                      std::vector<std::uint8_t>& bytes) {
        int bits = 0;
        std::uint32_t buffer = 0;
        for (char c : text) {
            int value = -1;
            if (c >= 'A' && c <= 'Z') {
                value = c - 'A';
            } else if (c >= 'a' && c <= 'z') {
                value = c - 'a' + 26;
            } else if (c >= '0' && c <= '9') {
                value = c - '0' + 52;
            } else if (c == '+') {
                value = 62;
            } else if (c == '/') {
                value = 63;
            } else if (c == '=' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
                continue;
            } else {
                return Error(data, "invalid character in base64 layer data");
            }
            buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
            bits += 6;
            if (bits >= 8) {
                bits -= 8;
                bytes.push_back(static_cast<std::uint8_t>((buffer >> bits) & 0xFF));
            }
        }
        return true;
    }

    bool ReadLayer(const XmlElement& layer, const TileMap& map, std::vector<long long>& gids) {
        const std::string name = layer.Attribute("name");
        if (layer.Attribute("width") != std::to_string(map.width) ||
            layer.Attribute("height") != std::to_string(map.height)) {
            return Error(layer, "layer \"" + name + "\" is not the size of the map");
        }
        const XmlElement* data = layer.Child("data");
        if (!data) {
            return Error(layer, "layer \"" + name + "\" has no data");
        }
        if (data->Has("compression")) {
            return Error(*data, "layer \"" + name +
                                    "\" is compressed; save the map with the "
                                    "layer format \"CSV\"");
        }
        const std::string encoding = data->Attribute("encoding");
        gids.clear();
        if (encoding == "csv") {
            std::string field;
            std::istringstream in(data->text);
            while (std::getline(in, field, ',')) {
                const auto first = field.find_first_not_of(" \t\r\n");
                const auto last = field.find_last_not_of(" \t\r\n");
                if (first == std::string::npos) {
                    return Error(*data, "empty value in layer \"" + name + "\"");
                }
                long long gid = 0;
                if (!ParseInt(field.substr(first, last - first + 1), gid) || gid < 0 ||
                    gid > UINT32_MAX) {
                    return Error(*data, "malformed tile value in layer \"" + name + "\"");
                }
                gids.push_back(gid);
            }
        } else if (encoding == "base64") {
            std::vector<std::uint8_t> bytes;
            if (!DecodeBase64(*data, data->text, bytes)) {
                return false;
            }
            if (bytes.size() % 4 != 0) {
                return Error(*data, "base64 data of layer \"" + name + "\" is cut short");
            }
            for (std::size_t i = 0; i < bytes.size(); i += 4) {
                gids.push_back(static_cast<long long>(bytes[i]) | (bytes[i + 1] << 8) |
                               (bytes[i + 2] << 16) | (static_cast<long long>(bytes[i + 3]) << 24));
            }
        } else if (encoding.empty()) {
            for (const XmlElement* tile : data->Children("tile")) {
                long long gid = 0;
                if (!ParseInt(tile->Attribute("gid", "0"), gid) || gid < 0 || gid > UINT32_MAX) {
                    return Error(*tile, "malformed tile in layer \"" + name + "\"");
                }
                gids.push_back(gid);
            }
        } else {
            return Error(*data, "unknown layer encoding \"" + encoding + "\"");
        }
        if (gids.size() != map.cells.size()) {
            return Error(*data, "layer \"" + name + "\" holds " + std::to_string(gids.size()) +
                                    " cells, the map " + std::to_string(map.cells.size()));
        }
        const long long lastGid = firstGid_ + kSheetColumns * kSheetRows - 1;
        for (std::size_t i = 0; i < gids.size(); ++i) {
            const long long gid = gids[i];
            const std::string where = "column " + std::to_string(i % map.width + 1) + ", row " +
                                      std::to_string(i / map.width + 1) + " of layer \"" + name +
                                      "\"";
            if (gid & kFlipFlags) {
                return Error(*data, "flipped or rotated tile at " + where +
                                        "; the game draws chips only as they are");
            }
            if (gid != 0 && (gid < firstGid_ || gid > lastGid)) {
                return Error(*data, "tile " + std::to_string(gid) + " at " + where +
                                        " is not on the chip sheet");
            }
        }
        return true;
    }

    // "column,row,chipX,chipY,object;..." (columns and rows from 0) for cells
    // the tile layers cannot show: chips off the sheet's grid or object codes
    // beyond it. These replace whatever the layers say for those cells.
    bool ApplyExtraCells(const XmlElement& where, const std::string& value, TileMap& map) {
        std::istringstream entries(value);
        std::string entry;
        while (std::getline(entries, entry, ';')) {
            if (entry.find_first_not_of(" \t\r\n") == std::string::npos) {
                continue;
            }
            std::istringstream fields(entry);
            long long numbers[5] = {};
            std::string field;
            int count = 0;
            while (std::getline(fields, field, ',')) {
                const auto first = field.find_first_not_of(" \t\r\n");
                const auto last = field.find_last_not_of(" \t\r\n");
                if (count >= 5 || first == std::string::npos ||
                    !ParseInt(field.substr(first, last - first + 1), numbers[count])) {
                    count = -1;
                    break;
                }
                ++count;
            }
            if (count != 5 || numbers[0] < 0 || numbers[0] >= map.width || numbers[1] < 0 ||
                numbers[1] >= map.height || numbers[2] < 0 || numbers[2] > UINT16_MAX ||
                numbers[3] < 0 || numbers[3] > UINT16_MAX || numbers[4] < 0 ||
                numbers[4] > UINT16_MAX) {
                return Error(where,
                             "malformed entry \"" + entry + "\" in \"" + kTmxCellsProperty + "\"");
            }
            Cell& cell = map.At(static_cast<int>(numbers[0]), static_cast<int>(numbers[1]));
            cell.chipX = static_cast<std::uint16_t>(numbers[2]);
            cell.chipY = static_cast<std::uint16_t>(numbers[3]);
            cell.objectCode = static_cast<std::uint16_t>(numbers[4]);
        }
        return true;
    }

    Diagnostics& diagnostics_;
    const std::function<bool(const std::string&, std::string&)>& readFile_;
    long long firstGid_ = kFirstGid;
};

} // namespace

std::string WriteTmx(const TileMap& map, const std::string& tilesetImage) {
    std::vector<long long> chipGids(map.cells.size());
    std::vector<long long> objectGids(map.cells.size());
    std::string extraCells;
    for (std::size_t i = 0; i < map.cells.size(); ++i) {
        const Cell& cell = map.cells[i];
        const int chipTile = TileIdOfPixel(cell.chipX, cell.chipY);
        const int objectTile = TileIdOfCode(cell.objectCode);
        if (chipTile < 0 || objectTile < 0) {
            if (!extraCells.empty()) {
                extraCells += ';';
            }
            extraCells += std::to_string(i % map.width) + "," + std::to_string(i / map.width) +
                          "," + std::to_string(cell.chipX) + "," + std::to_string(cell.chipY) +
                          "," + std::to_string(cell.objectCode);
        }
        chipGids[i] = chipTile < 0 ? 0 : GidOf(chipTile);
        objectGids[i] = objectTile < 0 ? 0 : GidOf(objectTile);
    }

    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out << "<map version=\"1.10\" orientation=\"orthogonal\" renderorder=\"right-down\" width=\""
        << map.width << "\" height=\"" << map.height
        << "\" tilewidth=\"32\" tileheight=\"32\" infinite=\"0\" nextlayerid=\"3\" "
           "nextobjectid=\"1\">\n";
    const bool standardHeader = map.header == StandardHeader();
    const bool needsProperties = map.word3 != 0 || map.word4 != 0 || !standardHeader ||
                                 !HasStartMarker(map) || !extraCells.empty();
    if (needsProperties) {
        out << " <properties>\n";
        if (!HasStartMarker(map)) {
            out << "  <property name=\"" << kTmxStartProperty << "\" value=\"optional\"/>\n";
        }
        if (map.word3 != 0 || map.word4 != 0) {
            out << "  <property name=\"" << kTmxWordsProperty << "\" value=\"" << map.word3 << " "
                << map.word4 << "\"/>\n";
        }
        if (!standardHeader) {
            out << "  <property name=\"" << kTmxHeaderProperty << "\" value=\"" << HeaderHex(map)
                << "\"/>\n";
        }
        if (!extraCells.empty()) {
            out << "  <property name=\"" << kTmxCellsProperty << "\" value=\"" << extraCells
                << "\"/>\n";
        }
        out << " </properties>\n";
    }
    out << " <tileset firstgid=\"" << kFirstGid
        << "\" name=\"mapchip\" tilewidth=\"32\" tileheight=\"32\" tilecount=\""
        << kSheetColumns * kSheetRows << "\" columns=\"" << kSheetColumns << "\">\n";
    out << "  <image source=\"" << XmlEscape(tilesetImage) << "\" width=\""
        << kSheetColumns * kChipSize << "\" height=\"" << kSheetRows * kChipSize << "\"/>\n";
    out << " </tileset>\n";
    const char* names[2] = {"chips", "objects"};
    const std::vector<long long>* layers[2] = {&chipGids, &objectGids};
    for (int layer = 0; layer < 2; ++layer) {
        out << " <layer id=\"" << layer + 1 << "\" name=\"" << names[layer] << "\" width=\""
            << map.width << "\" height=\"" << map.height << "\">\n";
        out << "  <data encoding=\"csv\">";
        WriteCsv(out, map, *layers[layer]);
        out << "</data>\n";
        out << " </layer>\n";
    }
    out << "</map>\n";
    return out.str();
}

std::optional<TileMap>
ReadTmx(const std::string& text, Diagnostics& diagnostics,
        const std::function<bool(const std::string& path, std::string& text)>& readFile) {
    return TmxReader(diagnostics, readFile).Read(text);
}

} // namespace mapc
