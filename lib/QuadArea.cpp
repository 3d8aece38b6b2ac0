#include "lib/QuadArea.h"

#include <cmath>
#include <vector>

namespace vrels {

namespace {

struct P {
    double x;
    double y;
};

// Keeps the part of the polygon on the inner side of one screen edge.
// inside(p) tells the side; cross(a, b) finds where segment a-b meets the edge.
template <typename Inside, typename Cross>
void ClipEdge(std::vector<P>& polygon, Inside inside, Cross cross) {
    std::vector<P> out;
    out.reserve(polygon.size() + 4);
    for (size_t i = 0; i < polygon.size(); ++i) {
        const P& a = polygon[i];
        const P& b = polygon[(i + 1) % polygon.size()];
        if (inside(a)) {
            out.push_back(a);
            if (!inside(b)) {
                out.push_back(cross(a, b));
            }
        } else if (inside(b)) {
            out.push_back(cross(a, b));
        }
    }
    polygon.swap(out);
}

P AtX(const P& a, const P& b, double x) {
    const double t = (x - a.x) / (b.x - a.x);
    return P{x, a.y + t * (b.y - a.y)};
}

P AtY(const P& a, const P& b, double y) {
    const double t = (y - a.y) / (b.y - a.y);
    return P{a.x + t * (b.x - a.x), y};
}

} // namespace

double OnScreenArea(const QuadVertex v[4]) {
    // Pixel edges lie half a pixel before the draw model's whole numbers.
    std::vector<P> polygon;
    for (int i : {0, 1, 3, 2}) {
        polygon.push_back(P{v[i].x + 0.5, v[i].y + 0.5});
    }
    ClipEdge(
        polygon, [](const P& p) { return p.x >= 0; },
        [](const P& a, const P& b) { return AtX(a, b, 0); });
    ClipEdge(
        polygon, [](const P& p) { return p.x <= 640; },
        [](const P& a, const P& b) { return AtX(a, b, 640); });
    ClipEdge(
        polygon, [](const P& p) { return p.y >= 0; },
        [](const P& a, const P& b) { return AtY(a, b, 0); });
    ClipEdge(
        polygon, [](const P& p) { return p.y <= 480; },
        [](const P& a, const P& b) { return AtY(a, b, 480); });
    double twiceArea = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const P& a = polygon[i];
        const P& b = polygon[(i + 1) % polygon.size()];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twiceArea) * 0.5;
}

} // namespace vrels
