#pragma once

#include <string>

#include "tools/mapc/TileMap.h"

namespace mapc {

// What one legend key stands for: a chip and, optionally, an object code over
// it. Written as "empty", a chip code ("1003"), raw sheet pixels ("@352,70"),
// each optionally followed by "+ CODE" for the object.
struct LegendValue {
    Cell cell;             // the chip pixels and object code the key produces
    bool plainCode = true; // "empty" or a bare chip code: usable in the objects layer
    int code = 0;          // the bare code when plainCode is set ("empty" is 0)
};

// Parses the text after "=" in a legend line (comment already removed).
// On failure returns false with a message in `error`.
bool ParseLegendValue(const std::string& text, LegendValue& value, std::string& error);

// The canonical text of a cell's value ("empty", "101", "1003 + 208", "@65535,0").
std::string FormatCellValue(const Cell& cell);

// The canonical text of an object code used in the objects layer.
std::string FormatObjectValue(int objectCode);

} // namespace mapc
