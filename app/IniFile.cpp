#include "app/IniFile.h"

#include "app/Log.h"
#include "app/SafeFileWrite.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace vrels {

namespace {

std::string Trim(const std::string& s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) {
        --end;
    }
    return s.substr(begin, end - begin);
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> ReadLines(const std::string& path, bool* exists, bool* crlf = nullptr,
                                   bool* failed = nullptr) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    *exists = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            if (crlf) {
                *crlf = true;
            }
        }
        lines.push_back(line);
    }
    if (failed) {
        *failed = in.bad();
    }
    return lines;
}

// A section header "[name]" gives its trimmed name; other lines give nothing.
bool SectionName(const std::string& line, std::string* name) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') {
        return false;
    }
    const size_t close = t.find(']');
    if (close == std::string::npos) {
        return false;
    }
    *name = Trim(t.substr(1, close - 1));
    return true;
}

bool KeyValue(const std::string& line, std::string* key, std::string* value) {
    const std::string t = Trim(line);
    if (t.empty() || t[0] == ';') {
        return false;
    }
    const size_t eq = t.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    *key = Trim(t.substr(0, eq));
    *value = Trim(t.substr(eq + 1));
    return true;
}

bool Lookup(const std::string& path, const std::string& section, const std::string& key,
            std::string* value) {
    bool exists = false;
    const auto lines = ReadLines(path, &exists);
    bool inSection = false;
    for (const auto& line : lines) {
        std::string name;
        if (SectionName(line, &name)) {
            inSection = EqualsNoCase(name, section);
            continue;
        }
        std::string k;
        std::string v;
        if (inSection && KeyValue(line, &k, &v) && EqualsNoCase(k, key)) {
            // A value in double quotes loses its quotes, as the profile functions do.
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"') {
                v = v.substr(1, v.size() - 2);
            }
            *value = v;
            return true;
        }
    }
    return false;
}

} // namespace

int ParseLeadingInt(const std::string& text, int defaultValue) {
    const std::string t = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negative = t[i] == '-';
        ++i;
    }
    if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i]))) {
        return defaultValue;
    }
    // Accumulate modulo 2^32, as the platform's conversion wraps.
    unsigned int value = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) {
        value = value * 10u + static_cast<unsigned int>(t[i] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int>(value);
}

int IniReadInt(const std::string& path, const std::string& section, const std::string& key,
               int defaultValue) {
    std::string value;
    if (!Lookup(path, section, key, &value)) {
        return defaultValue;
    }
    // A key that is there but holds no number reads as 0, as the profile
    // functions read it: "BGM=off" turns the music off, as the player meant.
    return ParseLeadingInt(value, 0);
}

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
    std::string value;
    if (!Lookup(path, section, key, &value)) {
        return defaultValue;
    }
    // The reader's buffer holds 1024 characters including the terminator.
    if (value.size() > 1023) {
        value.resize(1023);
    }
    return value;
}

namespace {

// Puts key=value into the lines: over the key's line in its section, else at
// the end of the section's keys, else in a new section at the end.
void SetKeyInLines(std::vector<std::string>& lines, const IniEntry& entry) {
    const std::string newLine = entry.key + "=" + entry.value;
    bool inSection = false;
    bool sectionSeen = false;
    size_t sectionEnd = 0; // index after the last line belonging to the section
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (SectionName(lines[i], &name)) {
            if (inSection) {
                break; // the section ended without the key
            }
            inSection = EqualsNoCase(name, entry.section);
            if (inSection) {
                sectionSeen = true;
                sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string k;
        std::string v;
        if (KeyValue(lines[i], &k, &v) && EqualsNoCase(k, entry.key)) {
            lines[i] = newLine;
            return;
        }
        if (!Trim(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (sectionSeen) {
        lines.insert(lines.begin() + static_cast<long>(sectionEnd), newLine);
    } else {
        lines.push_back("[" + entry.section + "]");
        lines.push_back(newLine);
    }
}

} // namespace

bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
    return IniWriteStrings(path, {IniEntry{section, key, value}});
}

bool IniWriteStrings(const std::string& path, const std::vector<IniEntry>& entries) {
    // A file the game may not read or replace keeps every line it has: writing
    // keys into an empty image of it would lose all the others.
    std::string reason;
    if (IsProtectedFile(path, &reason)) {
        Log("Save failed: %s: %s; it is left as it is\n", path.c_str(), reason.c_str());
        return false;
    }
    bool exists = false;
    bool crlf = false;
    bool readFailed = false;
    std::vector<std::string> lines = ReadLines(path, &exists, &crlf, &readFailed);
    if (readFailed) {
        Log("Save failed: %s: the file could not be read to the end\n", path.c_str());
        return false;
    }
    for (const IniEntry& entry : entries) {
        SetKeyInLines(lines, entry);
    }
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += crlf ? "\r\n" : "\n";
    }
    return WriteFileSafely(path, text);
}

} // namespace vrels
