#pragma once
// How many cells of walking and jumping lie between a place on the map and
// the goal mirror, measured once over the stage's blocks as they stand at the
// start. The search ranks its snapshots by it, so that a way that first
// climbs or doubles back (switchbacks, towers, drops) still counts as headway.
//
// The measure is rough on purpose: a jump links two places the heroine could
// stand on when they lie within her reach (4 cells up, 4 across when
// climbing, 5 on one level, further when dropping) and a clear band of cells
// joins them; a crumbling floor also links down to the first place below it;
// moving platforms count where they start. It only ranks; the game itself
// decides what works.
#include <string>
#include <vector>

namespace autoplay {

// The map's cells as the measure sees them.
struct CellGrid {
    CellGrid(int columns, int rows);

    int width = 0;
    int height = 0;
    std::vector<unsigned char> solid;
    std::vector<unsigned char> platform; // one-way: she jumps up through it
    std::vector<unsigned char> hazard;
    // Crumbling blocks (also solid): she stands on one, and it drops her to
    // whatever lies below it.
    std::vector<unsigned char> crumble;

    // Marks every cell a box (map pixels, right and bottom exclusive) overlaps.
    static void Mark(std::vector<unsigned char>& cells, int width, int height, int l, int t, int r,
                     int b);

    bool Inside(int c, int r) const { return c >= 0 && c < width && r >= 0 && r < height; }
    bool Solid(int c, int r) const { return Inside(c, r) && solid[Index(c, r)]; }
    // Something to land on: solid or one-way.
    bool Floor(int c, int r) const {
        return Inside(c, r) && (solid[Index(c, r)] || platform[Index(c, r)]);
    }
    // Room for her: not solid, not hazardous. Cells above the map are open;
    // the sides and the bottom are closed.
    bool Free(int c, int r) const;
    // Her feet in this cell's bottom: room for her body (two cells), firm
    // ground below that is not a hazard.
    bool Stand(int c, int r) const;

private:
    size_t Index(int c, int r) const { return static_cast<size_t>(r * width + c); }
};

class NavigationField {
public:
    // Distances from every place to stand to the first places to stand below
    // the goal's cell. Empty when the goal lies outside the map.
    static NavigationField Compute(const CellGrid& grid, int goalColumn, int goalRow);

    bool Empty() const { return distance_.empty(); }
    // Cells to the goal from the heroine's feet at map pixel (x, y): where
    // she stands, or the nearest place to land below her. Places with no way
    // to the goal read as Unreached.
    int DistanceAt(int mapX, int mapY) const;

    // The map as the measure sees it, one line per row, for checking a
    // stage's design: '#' solid, 'x' crumbling, '=' one-way, '^' hazard, places to stand
    // lettered by distance in tens of cells ('a' nearest, '?' no way), 'G'
    // the goal's cell.
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
