#pragma once
// Colour measures for the legibility checks: relative luminance and contrast
// ratio as used for readable text, and CIELAB distance for telling colours
// apart. Channels are 8-bit sRGB values (fractions allowed).

namespace colour {

// Relative luminance 0..1 of an sRGB colour.
double Luminance(double r, double g, double b);

// (lighter + 0.05) / (darker + 0.05): 1 for equal luminances, 21 for black on white.
double ContrastRatio(double luminanceA, double luminanceB);

struct Lab {
    double l, a, b;
};

// CIELAB under the D65 white point.
Lab ToLab(double r, double g, double b);

// The plain Euclidean distance in CIELAB (CIE 1976).
double DeltaE(const Lab& first, const Lab& second);

} // namespace colour
