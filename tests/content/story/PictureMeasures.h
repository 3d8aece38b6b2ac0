#pragma once
// Measures of the rendered pictures that decide whether text reads on the
// conversation screen.
#include "TgaFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

// Relative luminance of an sRGB colour given as bytes, 0 (black) to 1 (white).
inline double Luminance(int r, int g, int b) {
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// Contrast ratio between two luminances, 1 (none) to 21 (black on white).
inline double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// How the ink of a picture splits: the luminance of its fill (the 90th
// percentile of the opaque pixels), and how many opaque pixels are dark
// (outline) or light (fill).
struct InkMeasure {
    double fillLuminance = 0.0;
    int dark = 0, light = 0, opaque = 0;
};

inline InkMeasure MeasureInk(const TgaImage& image) {
    InkMeasure m;
    std::vector<double> lums;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y, 3) < 250) {
                continue;
            }
            const double l = Luminance(image.At(x, y, 0), image.At(x, y, 1), image.At(x, y, 2));
            lums.push_back(l);
            m.dark += l < 0.02 ? 1 : 0;
            m.light += l > 0.3 ? 1 : 0;
        }
    }
    m.opaque = static_cast<int>(lums.size());
    if (!lums.empty()) {
        std::sort(lums.begin(), lums.end());
        m.fillLuminance = lums[lums.size() * 9 / 10];
    }
    return m;
}

// The rows of a picture that hold light ink (the fill of its letters).
inline std::vector<bool> LightRows(const TgaImage& image) {
    std::vector<bool> rows(static_cast<size_t>(image.height), false);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width && !rows[static_cast<size_t>(y)]; ++x) {
            rows[static_cast<size_t>(y)] =
                image.At(x, y, 3) >= 250 &&
                Luminance(image.At(x, y, 0), image.At(x, y, 1), image.At(x, y, 2)) > 0.3;
        }
    }
    return rows;
}
