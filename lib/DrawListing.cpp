#include "lib/DrawListing.h"

#include <cmath>
#include <cstdio>

namespace vrels {

namespace {

// Thousandths without trailing zeros; never "-0".
std::string Number(float value) {
    double rounded = std::round(static_cast<double>(value) * 1000.0) / 1000.0;
    if (rounded == 0.0) {
        rounded = 0.0;
    }
    char text[48];
    std::snprintf(text, sizeof(text), "%.3f", rounded);
    std::string s = text;
    while (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    if (!s.empty() && s.back() == '.') {
        s.pop_back();
    }
    return s;
}

std::string Pair(float a, float b) {
    return Number(a) + "," + Number(b);
}

// Texture names may hold any byte (portraits carry a counter byte).
std::string Quoted(const std::string& name) {
    std::string out = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Corners(const DrawRecord& draw) {
    std::string out = " corners";
    for (const QuadVertex& v : draw.vertices) {
        out += " " + Pair(v.x, v.y);
    }
    return out;
}

} // namespace

std::string DrawListingLine(const DrawRecord& draw, int order) {
    const DrawFacts& f = draw.facts;
    std::string line = std::to_string(order);
    if (!draw.described) {
        line += " quad " + Quoted(draw.texture) + Corners(draw);
    } else {
        const char* kind = f.kind == DrawFacts::Sprite ? " sprite "
                           : f.kind == DrawFacts::Quad ? " quad "
                                                       : " sprite3d ";
        line += kind + Quoted(draw.texture);
        line += " rect " + std::to_string(f.rect[0]) + "," + std::to_string(f.rect[1]) + "," +
                std::to_string(f.rect[2]) + "," + std::to_string(f.rect[3]);
        if (f.kind == DrawFacts::Sprite) {
            line += " at " + Pair(f.x, f.y) + " centre " + Pair(f.cx, f.cy) + " scale " +
                    Number(f.scale) + " angle " + Number(f.angle);
            if (f.flipH || f.flipV) {
                line += std::string(" flip ") + (f.flipH ? "h" : "") + (f.flipV ? "v" : "");
            }
        } else if (f.kind == DrawFacts::Quad) {
            line += Corners(draw);
        } else {
            line += " at " + Pair(f.x, f.y) + " pivot " + Pair(f.cx, f.cy) + " scale " +
                    Number(f.scale) + " yaw " + Number(f.angle) + Corners(draw);
        }
    }
    line += " alpha " + std::to_string(draw.alpha) + " blend " + std::to_string(draw.blend);
    if (draw.placeholder) {
        line += " missing";
    }
    return line;
}

std::string DrawListing(const std::vector<DrawRecord>& draws, size_t first) {
    std::string out;
    for (size_t i = first; i < draws.size(); ++i) {
        out += DrawListingLine(draws[i], static_cast<int>(i - first));
        out += '\n';
    }
    return out;
}

} // namespace vrels
