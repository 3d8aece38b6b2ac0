#pragma once
// printf-style logging to "log.txt" in the working directory. The file is
// opened and closed on every call so that a crash never loses a line. Texts are
// written as Shift-JIS bytes (the sources are UTF-8 and converted here).
#include <string>

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

namespace vrels {
// UTF-8 to Shift-JIS (code page 932); characters without a mapping become '?'.
std::string ToShiftJis(const std::string& utf8);
// The log file name; tests point it elsewhere.
void SetLogPath(const std::string& path);
const std::string& LogPath();
} // namespace vrels
