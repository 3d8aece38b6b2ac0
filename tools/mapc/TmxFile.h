#pragma once

#include <functional>
#include <optional>
#include <string>

#include "tools/mapc/Diagnostics.h"
#include "tools/mapc/TileMap.h"

namespace mapc {

// The chip sheet as a tile editor's tileset: 20 columns of 32 x 32 chips,
// 32 rows. Tile id = row * 20 + column; the chip code is column * 100 + row.
constexpr int kSheetColumns = 20;
constexpr int kSheetRows = 32;

// Map properties that carry what the tile layers cannot hold, so that a map
// survives the trip through the editor unchanged.
constexpr const char* kTmxWordsProperty = "vrels-words";   // "A B": the two spare words
constexpr const char* kTmxHeaderProperty = "vrels-header"; // 96 hex digits: a foreign header
constexpr const char* kTmxStartProperty = "vrels-start";   // "optional": no start marker needed
constexpr const char* kTmxCellsProperty = "vrels-cells";   // cells off the sheet's grid

// Writes a map as a TMX file: one embedded tileset on the chip sheet (the
// picture named by `tilesetImage`, relative to the TMX file), a tile layer
// "chips" and a tile layer "objects" holding object codes as the chips of
// the same code, both CSV-encoded.
std::string WriteTmx(const TileMap& map, const std::string& tilesetImage);

// Reads a TMX file written by WriteTmx or saved by the editor after changes.
// `readFile` fetches an external tileset named by a relative path (the
// caller resolves it against the TMX file's folder); it returns false when
// the file cannot be read. Errors go to `diagnostics` with the XML line.
std::optional<TileMap>
ReadTmx(const std::string& text, Diagnostics& diagnostics,
        const std::function<bool(const std::string& path, std::string& text)>& readFile);

} // namespace mapc
