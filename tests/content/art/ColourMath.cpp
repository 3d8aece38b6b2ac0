#include "ColourMath.h"

#include <algorithm>
#include <cmath>

namespace colour {
namespace {

double Linear(double channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LabCurve(double t) {
    constexpr double kEdge = 216.0 / 24389.0;
    return t > kEdge ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
}

} // namespace

double Luminance(double r, double g, double b) {
    return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
}

double ContrastRatio(double luminanceA, double luminanceB) {
    const double lighter = std::max(luminanceA, luminanceB);
    const double darker = std::min(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

Lab ToLab(double r, double g, double b) {
    const double lr = Linear(r), lg = Linear(g), lb = Linear(b);
    const double x = (0.4124 * lr + 0.3576 * lg + 0.1805 * lb) / 0.95047;
    const double y = 0.2126 * lr + 0.7152 * lg + 0.0722 * lb;
    const double z = (0.0193 * lr + 0.1192 * lg + 0.9505 * lb) / 1.08883;
    const double fx = LabCurve(x), fy = LabCurve(y), fz = LabCurve(z);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double DeltaE(const Lab& first, const Lab& second) {
    return std::hypot(first.l - second.l, first.a - second.a, first.b - second.b);
}

} // namespace colour
