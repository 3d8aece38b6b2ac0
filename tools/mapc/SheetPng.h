#pragma once
// The PNG copy of the chip sheet that a TMX file refers to. The game keeps
// its sheet as TGA, which the Tiled editor on Debian cannot read (every tile
// shows as a red cross); a PNG copy beside the exported map can.

#include <string>

namespace mapc {

// Reads the chip sheet picture sheetTga (checked as the game checks its
// pictures, and 640 x 1024 pixels: 20 x 32 chips), and writes it as the PNG
// file pngPath. False with a message naming the file when it cannot.
bool WriteSheetPng(const std::string& sheetTga, const std::string& pngPath, std::string& error);

} // namespace mapc
