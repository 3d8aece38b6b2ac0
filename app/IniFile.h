#pragma once
// Windows-profile style INI access: section and key names are case-insensitive,
// white space around names and values is trimmed, integers are the leading
// decimal number of the value (0 when the value does not start with one).
// Every read opens the file afresh, so a missing file or key simply yields
// the default.
#include <string>
#include <vector>

namespace vrels {

int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue);
std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue);
// Replaces (or adds) one key and keeps every other line as it was. The file is
// saved whole through WriteFileSafely, so a kill leaves the old or the new
// file. A file that cannot be read, or is read-only, is never replaced. Returns
// false (and logs the path) when the file was not written.
bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);

// One key to write: its section, its name and its new text.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};
// Replaces (or adds) several keys in one save, with the refusals and the
// atomic replacement of IniWriteString: either all of them land or none.
bool IniWriteStrings(const std::string& path, const std::vector<IniEntry>& entries);

// The leading-number rule of the profile functions: optional sign, then
// decimal digits; anything else gives the default.
int ParseLeadingInt(const std::string& text, int defaultValue);

} // namespace vrels
