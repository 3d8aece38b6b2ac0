#include "Manifest.h"

#include "Tokenizer.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

namespace artgen {
namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

int ParseInt(const std::string& where, const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') {
        Fail(where, "expected a whole number, got '" + text + "'");
    }
    return static_cast<int>(value);
}

double ParseNumber(const std::string& where, const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') {
        Fail(where, "expected a number, got '" + text + "'");
    }
    return value;
}

// key=value words after the positional ones. A numeric value may be a list
// "a:b:c" of keys spread evenly over a frame range and interpolated linearly.
class Options {
public:
    Options(const std::string& where, const std::vector<std::string>& words, size_t first)
        : where_(where) {
        for (size_t i = first; i < words.size(); ++i) {
            const size_t eq = words[i].find('=');
            if (eq == std::string::npos || eq == 0) {
                Fail(where, "expected key=value, got '" + words[i] + "'");
            }
            values_[words[i].substr(0, eq)] = words[i].substr(eq + 1);
        }
    }

    bool Has(const std::string& key) const { return values_.count(key) != 0; }

    std::string Text(const std::string& key, const std::string& fallback) {
        auto it = values_.find(key);
        if (it == values_.end()) {
            return fallback;
        }
        used_[key] = true;
        return it->second;
    }

    // The value at position t in [0, 1] of the key list.
    double Number(const std::string& key, double fallback, double t = 0.0) {
        const std::string text = Text(key, "");
        if (text.empty()) {
            return fallback;
        }
        std::vector<double> keys;
        size_t start = 0;
        while (true) {
            const size_t colon = text.find(':', start);
            keys.push_back(ParseNumber(where_, text.substr(start, colon - start)));
            if (colon == std::string::npos) {
                break;
            }
            start = colon + 1;
        }
        if (keys.size() == 1) {
            return keys[0];
        }
        const double pos = t * static_cast<double>(keys.size() - 1);
        size_t index = static_cast<size_t>(pos);
        if (index >= keys.size() - 1) {
            return keys.back();
        }
        const double frac = pos - static_cast<double>(index);
        return keys[index] + (keys[index + 1] - keys[index]) * frac;
    }

    void CheckAllUsed() const {
        for (const auto& [key, value] : values_) {
            if (used_.count(key) == 0) {
                Fail(where_, "unknown option '" + key + "'");
            }
        }
    }

private:
    std::string where_;
    std::map<std::string, std::string> values_;
    std::map<std::string, bool> used_;
};

struct Grid {
    int frameWidth = 0, frameHeight = 0, columns = 1, rows = 1;
};

// Frame range "frame=N" or "frames=A-B"; without either the layer covers the
// whole picture once.
std::pair<int, int> FrameRange(const std::string& where, Options& options, const Grid& grid,
                               bool isSheet) {
    if (!isSheet) {
        return {-1, -1};
    }
    if (options.Has("frame")) {
        const int f = ParseInt(where, options.Text("frame", ""));
        return {f, f};
    }
    if (options.Has("frames")) {
        const std::string text = options.Text("frames", "");
        const size_t dash = text.find('-');
        if (dash == std::string::npos) {
            Fail(where, "frames= wants A-B");
        }
        return {ParseInt(where, text.substr(0, dash)), ParseInt(where, text.substr(dash + 1))};
    }
    return {0, grid.columns * grid.rows - 1};
}

Placement ReadPlacement(Options& options, double t, double boxX, double boxY, double boxW,
                        double boxH) {
    Placement p;
    p.x = boxX + options.Number("x", 0.0, t);
    p.y = boxY + options.Number("y", 0.0, t);
    p.width = options.Number("w", boxW, t);
    p.height = options.Number("h", boxH, t);
    const double scale = options.Number("scale", 1.0, t);
    p.scaleX = scale * options.Number("sx", 1.0, t);
    p.scaleY = scale * options.Number("sy", 1.0, t);
    p.rotateDegrees = options.Number("rotate", 0.0, t);
    p.dx = options.Number("dx", 0.0, t);
    p.dy = options.Number("dy", 0.0, t);
    p.opacity = options.Number("opacity", 1.0, t);
    return p;
}

TextStyle ReadTextStyle(Options& options) {
    TextStyle style;
    style.font = options.Text("font", style.font);
    style.size = options.Number("size", style.size);
    style.fill = ParseColour(options.Text("fill", "#ffffff"));
    if (options.Has("fill2")) {
        style.fillBottom = ParseColour(options.Text("fill2", ""));
    }
    style.outline = ParseColour(options.Text("outline", "#000000"));
    style.outlineWidth = options.Number("outline-width", 0.0);
    if (options.Has("shadow")) {
        style.shadow = ParseColour(options.Text("shadow", ""));
    }
    style.shadowDx = options.Number("shadow-dx", 0.0);
    style.shadowDy = options.Number("shadow-dy", 0.0);
    style.letterSpacing = options.Number("spacing", 0.0);
    return style;
}

Align ReadAlign(const std::string& where, const std::string& text) {
    if (text == "left") {
        return Align::Left;
    }
    if (text == "center") {
        return Align::Center;
    }
    if (text == "right") {
        return Align::Right;
    }
    Fail(where, "align must be left, center or right");
}

// Adds one layer line ("layer SRC ..." or "text STRING ...") to the picture,
// once per frame of its range.
void AddLayers(const std::string& where, const std::vector<std::string>& words, Picture& picture,
               const Grid& grid, bool isSheet) {
    if (words.size() < 2) {
        Fail(where, words[0] + " needs a source");
    }
    Options options(where, words, 2);
    const auto [first, last] = FrameRange(where, options, grid, isSheet);
    TextStyle style;
    Align align = Align::Left;
    const bool isText = words[0] == "text";
    if (isText) {
        style = ReadTextStyle(options);
        align = ReadAlign(where, options.Text("align", "left"));
    }
    for (int frame = first; frame <= last; ++frame) {
        double boxX = 0, boxY = 0, boxW = picture.width, boxH = picture.height;
        if (frame >= 0) {
            if (frame >= grid.columns * grid.rows) {
                Fail(where, "frame " + std::to_string(frame) + " is outside the sheet");
            }
            boxX = (frame % grid.columns) * grid.frameWidth;
            boxY = (frame / grid.columns) * grid.frameHeight;
            boxW = grid.frameWidth;
            boxH = grid.frameHeight;
        }
        const double t = last > first ? double(frame - first) / double(last - first) : 0.0;
        const Placement place = ReadPlacement(options, t, boxX, boxY, boxW, boxH);
        if (isText) {
            picture.layers.push_back(TextLayer{words[1], style, align, place});
        } else {
            const size_t hash = words[1].find('#');
            SvgLayer layer;
            layer.file = words[1].substr(0, hash);
            layer.group = hash == std::string::npos ? "" : words[1].substr(hash + 1);
            layer.place = place;
            picture.layers.push_back(layer);
        }
    }
    options.CheckAllUsed();
}

} // namespace

Colour ParseColour(const std::string& text) {
    // #rgb, #rrggbb or #rrggbbaa
    auto hex = [&](size_t pos, size_t len) {
        const std::string digits = text.substr(pos, len);
        char* end = nullptr;
        const long v = std::strtol(digits.c_str(), &end, 16);
        if (*end != '\0') {
            throw std::runtime_error("bad colour '" + text + "'");
        }
        return len == 1 ? v * 17 / 255.0 : v / 255.0;
    };
    if (text.size() == 4 && text[0] == '#') {
        return {hex(1, 1), hex(2, 1), hex(3, 1), 1.0};
    }
    if ((text.size() == 7 || text.size() == 9) && text[0] == '#') {
        return {hex(1, 2), hex(3, 2), hex(5, 2), text.size() == 9 ? hex(7, 2) : 1.0};
    }
    throw std::runtime_error("bad colour '" + text + "'");
}

Manifest ReadManifest(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot open manifest " + path);
    }
    Manifest manifest;
    manifest.path = path;
    Picture* open = nullptr; // the picture or sheet being composed
    Grid grid;
    bool isSheet = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        std::vector<std::string> words;
        try {
            words = SplitWords(line);
        } catch (const std::exception& e) {
            Fail(where, e.what());
        }
        if (words.empty()) {
            continue;
        }
        const std::string& kind = words[0];
        if (open != nullptr) {
            if (kind == "end") {
                open = nullptr;
            } else if (kind == "layer" || kind == "text") {
                AddLayers(where, words, *open, grid, isSheet);
            } else {
                Fail(where, "expected layer, text or end inside a picture");
            }
            continue;
        }
        Picture picture;
        picture.origin = where;
        if (kind == "svg") {
            if (words.size() != 5) {
                Fail(where, "svg wants: svg OUTPUT WIDTH HEIGHT FILE");
            }
            picture.output = words[1];
            picture.width = ParseInt(where, words[2]);
            picture.height = ParseInt(where, words[3]);
            SvgLayer layer;
            layer.file = words[4];
            layer.place.width = picture.width;
            layer.place.height = picture.height;
            picture.layers.push_back(layer);
        } else if (kind == "picture") {
            if (words.size() != 4) {
                Fail(where, "picture wants: picture OUTPUT WIDTH HEIGHT");
            }
            picture.output = words[1];
            picture.width = ParseInt(where, words[2]);
            picture.height = ParseInt(where, words[3]);
            isSheet = false;
        } else if (kind == "sheet") {
            if (words.size() != 6) {
                Fail(where, "sheet wants: sheet OUTPUT FRAME_W FRAME_H COLUMNS ROWS");
            }
            picture.output = words[1];
            grid.frameWidth = ParseInt(where, words[2]);
            grid.frameHeight = ParseInt(where, words[3]);
            grid.columns = ParseInt(where, words[4]);
            grid.rows = ParseInt(where, words[5]);
            picture.width = grid.frameWidth * grid.columns;
            picture.height = grid.frameHeight * grid.rows;
            isSheet = true;
        } else if (kind == "font") {
            if (words.size() < 2) {
                Fail(where, "font wants: font OUTPUT key=value...");
            }
            Options options(where, words, 2);
            FontSheet font;
            font.style = ReadTextStyle(options);
            font.baseline = options.Number("baseline", font.baseline);
            options.CheckAllUsed();
            picture.output = words[1];
            picture.width = 512;
            picture.height = 256;
            picture.font = font;
        } else {
            Fail(where, "unknown line kind '" + kind + "'");
        }
        if (picture.width <= 0 || picture.height <= 0 || picture.width > 8192 ||
            picture.height > 8192) {
            Fail(where, "picture size out of range");
        }
        manifest.pictures.push_back(picture);
        if (kind == "picture" || kind == "sheet") {
            open = &manifest.pictures.back();
        }
    }
    if (open != nullptr) {
        Fail(path, "missing 'end' for " + open->output);
    }
    return manifest;
}

} // namespace artgen
