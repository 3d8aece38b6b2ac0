#pragma once

#include <optional>
#include <string>

#include "tools/mapc/Diagnostics.h"
#include "tools/mapc/TileMap.h"

namespace mapc {

// The first line every map source carries, with the version of the text format.
constexpr const char* kSourceFormatLine = "vrels-map 1";

// Turns a map source (the text format described in docs/maps.md) into the
// map it describes. Every problem is reported to `diagnostics` with its line
// and column; the result is empty when any of them is an error.
std::optional<TileMap> ParseMapSource(const std::string& text, Diagnostics& diagnostics);

// Writes a map as source text that compiles back to exactly the same bytes.
// `origin` names the file it came from, for the opening comment.
std::string WriteMapSource(const TileMap& map, const std::string& origin);

} // namespace mapc
