#include <cctype>
#include <map>
#include <sstream>

#include "tools/mapc/ChipCode.h"
#include "tools/mapc/LegendValue.h"
#include "tools/mapc/MapSource.h"
#include "tools/mapc/Tm2File.h"

namespace mapc {
namespace {

constexpr int kMaxCellWidth = 3;

struct LegendEntry {
    LegendValue value;
    int line = 0;
    int column = 0;
    bool used = false;
};

struct Row {
    int line = 0;
    int firstColumn = 0; // column of the first cell character
    std::string text;    // the characters between the bars
};

struct Layer {
    int line = 0; // where the layer's header stands; 0 = absent
    std::vector<Row> rows;
};

// Where a start marker was drawn, for the warning about a second one.
struct Place {
    int line = 0;
    int column = 0;
};

bool IsKeyCharacter(char c) {
    return c >= 0x20 && c <= 0x7E && c != '|';
}

std::string Printable(const std::string& key) {
    std::string out;
    for (char c : key) {
        if (c >= 0x20 && c <= 0x7E) {
            out += c;
        } else {
            static const char* digits = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>(c);
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 15];
        }
    }
    return out;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string WithoutComment(const std::string& text) {
    return text.substr(0, text.find('#'));
}

// Reads the source line by line into directives, legend entries and layers;
// the cells are put together afterwards, when the whole legend is known.
class SourceReader {
public:
    explicit SourceReader(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    std::optional<TileMap> Read(const std::string& text);

private:
    void ReadLine(int line, const std::string& raw);
    void ReadFormatLine(int line, int column, const std::string& rest);
    void ReadRow(int line, int indent, const std::string& rest);
    void ReadLegendEntry(int line, int indent, const std::string& rest);
    void ReadLayerHeader(int line, int column, const std::string& name);
    void ReadDirective(int line, int column, const std::string& name, const std::string& value);

    bool MeasureLayer(const Layer& layer, const char* name, int& width);
    void CheckKeys(const Layer& layer);
    const LegendEntry* Lookup(const std::string& key, int line, int column);
    void FillChips(TileMap& map);
    void FillObjects(TileMap& map);
    void CheckStartMarkers(const TileMap& map);
    void WarnUnusedEntries();

    Diagnostics& diagnostics_;
    bool sawFormatLine_ = false;
    bool sawLegendOrLayer_ = false;
    int cellWidth_ = 1;
    bool startRequired_ = true;
    TileMap map_;
    std::map<std::string, LegendEntry> legend_;
    Layer chips_;
    Layer objects_;
    Layer* currentLayer_ = nullptr;
    std::vector<std::vector<Place>> chipPlaces_;   // per cell, where the chip layer drew it
    std::vector<std::vector<Place>> objectPlaces_; // per cell, where the objects layer drew it
};

std::optional<TileMap> SourceReader::Read(const std::string& text) {
    map_.header = StandardHeader();
    std::istringstream lines(text);
    std::string raw;
    int line = 0;
    while (std::getline(lines, raw)) {
        ++line;
        if (line == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) {
            raw.erase(0, 3); // a byte-order mark some editors put first
        }
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
        }
        ReadLine(line, raw);
    }
    if (!sawFormatLine_) {
        diagnostics_.Error(1, 1, std::string("missing format line '") + kSourceFormatLine + "'");
    }
    if (chips_.line == 0) {
        diagnostics_.Error(line + 1, 1, "no 'chips:' layer");
        return std::nullopt;
    }

    int width = 0;
    if (!MeasureLayer(chips_, "chips", width)) {
        CheckKeys(chips_);
        return std::nullopt;
    }
    if (objects_.line != 0) {
        int objectWidth = width;
        if (!MeasureLayer(objects_, "objects", objectWidth)) {
            CheckKeys(objects_);
            return std::nullopt;
        }
        if (objects_.rows.size() != chips_.rows.size()) {
            diagnostics_.Error(objects_.line, 1,
                               "the objects layer has " + std::to_string(objects_.rows.size()) +
                                   " rows, the chips layer " + std::to_string(chips_.rows.size()));
            return std::nullopt;
        }
    }
    const long long cellCount = static_cast<long long>(width) * chips_.rows.size();
    if (cellCount > kMaxCells) {
        diagnostics_.Error(chips_.line, 1,
                           "the map has " + std::to_string(cellCount) + " cells, more than " +
                               std::to_string(kMaxCells));
        return std::nullopt;
    }

    map_.width = width;
    map_.height = static_cast<std::int32_t>(chips_.rows.size());
    map_.cells.assign(static_cast<std::size_t>(cellCount), Cell{});
    chipPlaces_.assign(map_.cells.size(), {});
    objectPlaces_.assign(map_.cells.size(), {});
    FillChips(map_);
    if (objects_.line != 0) {
        FillObjects(map_);
    }
    if (diagnostics_.HasErrors()) {
        return std::nullopt;
    }
    CheckStartMarkers(map_);
    WarnUnusedEntries();
    if (diagnostics_.HasErrors()) {
        return std::nullopt;
    }
    return map_;
}

void SourceReader::ReadLine(int line, const std::string& raw) {
    const auto indent = raw.find_first_not_of(" \t");
    if (indent == std::string::npos || raw[indent] == '#') {
        return; // blank line or comment
    }
    const std::string rest = raw.substr(indent);
    const int column = static_cast<int>(indent) + 1;
    if (!sawFormatLine_) {
        ReadFormatLine(line, column, rest);
        return;
    }
    if (rest[0] == '|') {
        ReadRow(line, static_cast<int>(indent), rest);
        return;
    }
    if (rest[0] == '"') {
        ReadLegendEntry(line, static_cast<int>(indent), rest);
        return;
    }
    const std::string statement = Trim(WithoutComment(rest));
    if (!statement.empty() && statement.back() == ':') {
        ReadLayerHeader(line, column, Trim(statement.substr(0, statement.size() - 1)));
        return;
    }
    const auto equals = statement.find('=');
    if (equals != std::string::npos) {
        ReadDirective(line, column, Trim(statement.substr(0, equals)),
                      Trim(statement.substr(equals + 1)));
        return;
    }
    diagnostics_.Error(line, column, "unrecognised line '" + Printable(statement) + "'");
}

void SourceReader::ReadFormatLine(int line, int column, const std::string& rest) {
    sawFormatLine_ = true;
    const std::string statement = Trim(WithoutComment(rest));
    if (statement != kSourceFormatLine) {
        diagnostics_.Error(line, column,
                           std::string("the first line must be '") + kSourceFormatLine +
                               "', found '" + Printable(statement) + "'");
    }
}

void SourceReader::ReadRow(int line, int indent, const std::string& rest) {
    if (currentLayer_ == nullptr) {
        diagnostics_.Error(line, indent + 1, "row outside a layer; start one with 'chips:'");
        return;
    }
    sawLegendOrLayer_ = true;
    const auto closing = rest.find('|', 1);
    if (closing == std::string::npos) {
        diagnostics_.Error(line, indent + static_cast<int>(rest.size()) + 1,
                           "row does not end with '|'");
        return;
    }
    const auto after = rest.find_first_not_of(" \t", closing + 1);
    if (after != std::string::npos && rest[after] != '#') {
        diagnostics_.Error(line, indent + static_cast<int>(after) + 1,
                           "unexpected text after the row (comments start with '#')");
        return;
    }
    currentLayer_->rows.push_back({line, indent + 2, rest.substr(1, closing - 1)});
}

void SourceReader::ReadLegendEntry(int line, int indent, const std::string& rest) {
    sawLegendOrLayer_ = true;
    const int column = indent + 1;
    const auto width = static_cast<std::size_t>(cellWidth_);
    if (rest.size() < width + 2 || rest[width + 1] != '"') {
        diagnostics_.Error(line, column,
                           "a legend key is " + std::to_string(cellWidth_) +
                               " character(s) between double quotes");
        return;
    }
    const std::string key = rest.substr(1, width);
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!IsKeyCharacter(key[i])) {
            diagnostics_.Error(line, column + 1 + static_cast<int>(i),
                               "'" + Printable(key.substr(i, 1)) +
                                   "' cannot be used in a key (printable ASCII except '|')");
            return;
        }
    }
    const std::string afterKey = rest.substr(width + 2);
    const auto equals = afterKey.find_first_not_of(" \t");
    if (equals == std::string::npos || afterKey[equals] != '=') {
        diagnostics_.Error(line, column + static_cast<int>(width) + 2,
                           "expected '=' after the legend key");
        return;
    }
    const auto valueStart = afterKey.find_first_not_of(" \t", equals + 1);
    const int valueColumn =
        column +
        static_cast<int>(width + 2 + (valueStart == std::string::npos ? equals + 1 : valueStart));
    LegendEntry entry;
    entry.line = line;
    entry.column = column;
    std::string error;
    if (!ParseLegendValue(WithoutComment(afterKey.substr(equals + 1)), entry.value, error)) {
        diagnostics_.Error(line, valueColumn, error);
        return;
    }
    const auto existing = legend_.find(key);
    if (existing != legend_.end()) {
        diagnostics_.Error(line, column,
                           "key '" + key + "' is already defined on line " +
                               std::to_string(existing->second.line));
        return;
    }
    legend_.emplace(key, entry);
}

void SourceReader::ReadLayerHeader(int line, int column, const std::string& name) {
    sawLegendOrLayer_ = true;
    Layer* layer = nullptr;
    if (name == "chips") {
        layer = &chips_;
    } else if (name == "objects") {
        layer = &objects_;
    } else {
        diagnostics_.Error(line, column,
                           "unknown layer '" + Printable(name) + "' (use 'chips' or 'objects')");
        currentLayer_ = nullptr;
        return;
    }
    if (layer->line != 0) {
        diagnostics_.Error(line, column,
                           "layer '" + name + "' already started on line " +
                               std::to_string(layer->line));
        currentLayer_ = nullptr;
        return;
    }
    layer->line = line;
    currentLayer_ = layer;
}

void SourceReader::ReadDirective(int line, int column, const std::string& name,
                                 const std::string& value) {
    std::istringstream in(value);
    if (name == "cell-width") {
        int width = 0;
        if (sawLegendOrLayer_) {
            diagnostics_.Error(line, column, "'cell-width' must come before the legend and layers");
        } else if (!(in >> width) || !(in >> std::ws).eof() || width < 1 || width > kMaxCellWidth) {
            diagnostics_.Error(line, column,
                               "'cell-width' takes a number from 1 to " +
                                   std::to_string(kMaxCellWidth));
        } else {
            cellWidth_ = width;
        }
    } else if (name == "words") {
        long long word3 = 0;
        long long word4 = 0;
        if (!(in >> word3 >> word4) || !(in >> std::ws).eof() || word3 < INT32_MIN ||
            word3 > INT32_MAX || word4 < INT32_MIN || word4 > INT32_MAX) {
            diagnostics_.Error(line, column, "'words' takes two signed 32-bit numbers");
        } else {
            map_.word3 = static_cast<std::int32_t>(word3);
            map_.word4 = static_cast<std::int32_t>(word4);
        }
    } else if (name == "header") {
        bool valid = value.size() == kHeaderSize * 2;
        for (std::size_t i = 0; valid && i < kHeaderSize; ++i) {
            const std::string pair = value.substr(i * 2, 2);
            valid = std::isxdigit(static_cast<unsigned char>(pair[0])) &&
                    std::isxdigit(static_cast<unsigned char>(pair[1]));
            if (valid) {
                map_.header[i] = static_cast<std::uint8_t>(std::stoi(pair, nullptr, 16));
            }
        }
        if (!valid) {
            diagnostics_.Error(line, column,
                               "'header' takes " + std::to_string(kHeaderSize * 2) +
                                   " hexadecimal digits");
        }
    } else if (name == "start") {
        if (value == "required" || value == "optional") {
            startRequired_ = value == "required";
        } else {
            diagnostics_.Error(line, column, "'start' is 'required' or 'optional'");
        }
    } else {
        diagnostics_.Error(line, column, "unknown setting '" + Printable(name) + "'");
    }
}

// Checks that every row of a layer is cut into whole cells and has as many as
// `width` (the first row decides when `width` is 0).
bool SourceReader::MeasureLayer(const Layer& layer, const char* name, int& width) {
    if (layer.rows.empty()) {
        diagnostics_.Error(layer.line, 1, std::string("the ") + name + " layer has no rows");
        return false;
    }
    bool ok = true;
    for (const Row& row : layer.rows) {
        const int length = static_cast<int>(row.text.size());
        const int closingColumn = row.firstColumn + length;
        if (length == 0) {
            diagnostics_.Error(row.line, closingColumn, "empty row");
            ok = false;
            continue;
        }
        if (length % cellWidth_ != 0) {
            diagnostics_.Error(row.line, closingColumn,
                               "row of " + std::to_string(length) +
                                   " characters does not divide into cells of " +
                                   std::to_string(cellWidth_));
            ok = false;
            continue;
        }
        const int cells = length / cellWidth_;
        if (width == 0) {
            width = cells;
        } else if (cells != width) {
            // Point at the first surplus cell of a long row, at the bar of a short one.
            const int column = cells > width ? row.firstColumn + width * cellWidth_ : closingColumn;
            diagnostics_.Error(row.line, column,
                               "ragged row: " + std::to_string(cells) + " cells, expected " +
                                   std::to_string(width));
            ok = false;
        }
    }
    return ok;
}

// Reports unknown keys in a layer that cannot be turned into cells (ragged
// rows), so that one run shows every problem of a row.
void SourceReader::CheckKeys(const Layer& layer) {
    for (const Row& row : layer.rows) {
        for (std::size_t at = 0; at + cellWidth_ <= row.text.size(); at += cellWidth_) {
            Lookup(row.text.substr(at, cellWidth_), row.line,
                   row.firstColumn + static_cast<int>(at));
        }
    }
}

const LegendEntry* SourceReader::Lookup(const std::string& key, int line, int column) {
    const auto found = legend_.find(key);
    if (found == legend_.end()) {
        diagnostics_.Error(line, column,
                           std::string(cellWidth_ == 1 ? "unknown character" : "unknown key") +
                               " '" + Printable(key) + "' (not in the legend)");
        return nullptr;
    }
    found->second.used = true;
    return &found->second;
}

void SourceReader::FillChips(TileMap& map) {
    for (int row = 0; row < map.height; ++row) {
        const Row& source = chips_.rows[row];
        for (int column = 0; column < map.width; ++column) {
            const int at = source.firstColumn + column * cellWidth_;
            const LegendEntry* entry =
                Lookup(source.text.substr(column * cellWidth_, cellWidth_), source.line, at);
            if (entry == nullptr) {
                continue;
            }
            map.At(column, row) = entry->value.cell;
            chipPlaces_[column + row * map.width].push_back({source.line, at});
        }
    }
}

void SourceReader::FillObjects(TileMap& map) {
    for (int row = 0; row < map.height; ++row) {
        const Row& source = objects_.rows[row];
        for (int column = 0; column < map.width; ++column) {
            const int at = source.firstColumn + column * cellWidth_;
            const std::string key = source.text.substr(column * cellWidth_, cellWidth_);
            const LegendEntry* entry = Lookup(key, source.line, at);
            if (entry == nullptr) {
                continue;
            }
            if (!entry->value.plainCode) {
                diagnostics_.Error(source.line, at,
                                   "'" + key +
                                       "' stands for more than one code; the objects layer "
                                       "takes keys of plain codes only");
                continue;
            }
            if (entry->value.code == 0) {
                continue;
            }
            if (entry->value.code > 0xFFFF) {
                diagnostics_.Error(source.line, at,
                                   "object code " + std::to_string(entry->value.code) +
                                       " does not fit in 16 bits");
                continue;
            }
            Cell& cell = map.At(column, row);
            if (cell.objectCode != 0) {
                diagnostics_.Error(source.line, at,
                                   "the chips layer already puts object " +
                                       std::to_string(cell.objectCode) + " on this cell");
                continue;
            }
            cell.objectCode = static_cast<std::uint16_t>(entry->value.code);
            objectPlaces_[column + row * map.width].push_back({source.line, at});
        }
    }
}

void SourceReader::CheckStartMarkers(const TileMap& map) {
    const auto marker = ChipPixelOf(kStartMarkerCode);
    std::vector<Place> found;
    for (std::size_t i = 0; i < map.cells.size(); ++i) {
        const Cell& cell = map.cells[i];
        if (cell.chipX == marker->x && cell.chipY == marker->y) {
            found.push_back(chipPlaces_[i].front());
        }
        if (cell.objectCode == kStartMarkerCode) {
            found.push_back(objectPlaces_[i].empty() ? chipPlaces_[i].front()
                                                     : objectPlaces_[i].front());
        }
    }
    if (found.empty() && startRequired_) {
        diagnostics_.Error(chips_.line, 1,
                           "no start marker (code " + std::to_string(kStartMarkerCode) +
                               "); draw one, or write 'start = optional'");
    }
    for (std::size_t i = 1; i < found.size(); ++i) {
        diagnostics_.Warning(found[i].line, found[i].column,
                             "another start marker; the player starts at the first one (line " +
                                 std::to_string(found[0].line) + ", column " +
                                 std::to_string(found[0].column) + ")");
    }
}

void SourceReader::WarnUnusedEntries() {
    for (const auto& [key, entry] : legend_) {
        if (!entry.used) {
            diagnostics_.Warning(entry.line, entry.column,
                                 "legend key '" + key + "' is never used");
        }
    }
}

} // namespace

std::optional<TileMap> ParseMapSource(const std::string& text, Diagnostics& diagnostics) {
    SourceReader reader(diagnostics);
    return reader.Read(text);
}

} // namespace mapc
