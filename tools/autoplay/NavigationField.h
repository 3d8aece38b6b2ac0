#pragma once
// How many cells of walking and jumping lie between a place on the map and
// the goal mirror, measured once over the stage's blocks as they stand at the
// start. The search ranks its snapshots by it, so that a way that first
// climbs or doubles back (switchbacks, towers, drops) still counts as headway.
//
// The measure is rough on purpose: a jump links two places the heroine could
// stand on when they lie within her reach (4 cells up, 5 across, further when
// dropping) and a clear band of cells joins them; moving platforms count where
// they start. It only ranks; the game itself decides what works.
#include <string>
#include <vector>

namespace autoplay {

class NavigationField {
public:
    // Reads the current stage's blocks and goal. Empty when there is no goal.
    static NavigationField Measure();

    bool Empty() const { return distance_.empty(); }
    // Cells to the goal from the heroine's feet at map pixel (x, y); places
    // with no way to the goal read as far away.
    int DistanceAt(int mapX, int mapY) const;

    // The map as the measure sees it, one line per row, for checking a
    // stage's design: '#' solid, '=' one-way, '^' hazard, places to stand
    // lettered by distance in tens of cells ('a' nearest, '?' no way), 'G'
    // the mirror.
    const std::string& Picture() const { return picture_; }

    static constexpr int Unreached = 1 << 20;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<int> distance_; // per cell she can stand in, else Unreached
    std::string picture_;

    int At(int column, int row) const;
};

} // namespace autoplay
