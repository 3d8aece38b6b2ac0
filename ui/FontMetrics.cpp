#include "ui/FontMetrics.h"

namespace vrels {

int GlyphAdvance(unsigned char ch) {
    if (ch < 32) {
        return 0;
    }
    if (ch <= 64 || (ch >= 91 && ch <= 96) || ch >= 123) {
        return 16;
    }
    static const signed char upper[26] = {14, 14, 14, 14, 14, 12, 16, 16, 8,  12, 16, 14, 16,
                                          16, 16, 12, 16, 16, 12, 14, 14, 16, 16, 16, 16, 14};
    static const signed char lower[26] = {10, 12, 8,  12, 10, 10, 10, 12, 6,  8,  12, 6,  16,
                                          12, 10, 12, 12, 10, 8,  8,  12, 12, 16, 12, 12, 10};
    if (ch >= 'A' && ch <= 'Z') {
        return upper[ch - 'A'];
    }
    if (ch >= 'a' && ch <= 'z') {
        return lower[ch - 'a'];
    }
    return 16;
}

int GlyphOffset(unsigned char ch) {
    switch (ch) {
    case 'Q':
        return 1;
    case 'a':
        return 2;
    case 'c':
        return 1;
    case 'e':
        return 1;
    case 'f':
        return -1;
    case 'g':
        return 4;
    case 'm':
        return 2;
    case 'n':
        return 2;
    case 'o':
        return 2;
    case 'q':
        return 3;
    case 'r':
        return 2;
    case 's':
        return 2;
    case 't':
        return 1;
    case 'u':
        return 2;
    case 'v':
        return 2;
    case 'w':
        return 2;
    case 'x':
        return 2;
    case 'y':
        return 5;
    case 'z':
        return 2;
    default:
        return 0;
    }
}

int TextWidth(const std::string& text, float scale, float spacing) {
    int pen = 0;
    for (const char c : text) {
        const auto ch = static_cast<unsigned char>(c);
        pen += static_cast<int>(static_cast<float>(GlyphAdvance(ch)) * spacing * scale);
    }
    return pen;
}

} // namespace vrels
