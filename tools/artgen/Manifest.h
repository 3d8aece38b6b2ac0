#pragma once
// The picture list of one manifest file: every output with the layers that
// make it up. See docs/art.md for the line forms.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace artgen {

struct Colour {
    double r = 1.0, g = 1.0, b = 1.0, a = 1.0;
};

// Placement of a layer inside its picture: the box it is drawn into, then a
// transform about the box's centre.
struct Placement {
    double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
    double scaleX = 1.0, scaleY = 1.0;
    double rotateDegrees = 0.0;
    double dx = 0.0, dy = 0.0;
    double opacity = 1.0;
};

struct SvgLayer {
    std::string file;  // relative to the art folder
    std::string group; // element id without '#'; empty renders the whole document
    Placement place;
};

enum class Align { Left, Center, Right };

struct TextStyle {
    std::string font = "DejaVu Sans Bold";
    double size = 16.0; // pixels
    Colour fill;
    std::optional<Colour> fillBottom; // vertical gradient over the ink
    Colour outline{0.0, 0.0, 0.0, 1.0};
    double outlineWidth = 0.0; // pixels outside the glyph edge
    std::optional<Colour> shadow;
    double shadowDx = 0.0, shadowDy = 0.0;
    double letterSpacing = 0.0;
};

struct TextLayer {
    std::string text;
    TextStyle style;
    Align align = Align::Left;
    Placement place; // x, y: the anchor on the baseline
};

// The 16 x 8 grid of 32 x 32 glyph cells the bitmap-font text draws from.
struct FontSheet {
    TextStyle style;
    double baseline = 24.0; // baseline row of a glyph with offset 0
};

using Layer = std::variant<SvgLayer, TextLayer>;

struct Picture {
    std::string output; // relative to the game folder
    int width = 0, height = 0;
    std::vector<Layer> layers;
    std::optional<FontSheet> font;
    std::string origin; // "file:line" for error messages
};

struct Manifest {
    std::string path;
    std::vector<Picture> pictures;
};

Manifest ReadManifest(const std::string& path);
Colour ParseColour(const std::string& text);

} // namespace artgen
