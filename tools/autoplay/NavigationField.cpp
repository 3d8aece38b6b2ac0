#include "tools/autoplay/NavigationField.h"

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <utility>

namespace autoplay {

namespace {

constexpr int kJumpUp = 4;     // cells
constexpr int kJumpAcross = 5; // cells, on one level
constexpr int kMaxDrop = 24;   // cells
constexpr int kAirReach = 3;   // columns looked at either side while in the air

// A clear band between two places: some row from `top` down to `top` + 4
// (rows above the higher of the two) is open over every column between them,
// and each end column is open from that row down to its place.
bool BandIsClear(const CellGrid& grid, int c, int r, int c2, int r2) {
    const int higher = std::min(r, r2);
    const int lo = std::min(c, c2);
    const int hi = std::max(c, c2);
    for (int k = 1; k <= kJumpUp + 1; ++k) {
        const int row = higher - k;
        bool open = true;
        for (int column = lo; column <= hi && open; ++column) {
            open = grid.Free(column, row);
        }
        for (int row2 = row; row2 <= r && open; ++row2) {
            open = grid.Free(c, row2);
        }
        for (int row2 = row; row2 <= r2 && open; ++row2) {
            open = grid.Free(c2, row2);
        }
        if (open) {
            return true;
        }
    }
    return false;
}

} // namespace

CellGrid::CellGrid(int columns, int rows)
    : width(std::max(columns, 0)), height(std::max(rows, 0)),
      solid(static_cast<size_t>(width * height), 0), platform(solid.size(), 0),
      hazard(solid.size(), 0), crumble(solid.size(), 0) {}

void CellGrid::Mark(std::vector<unsigned char>& cells, int width, int height, int l, int t, int r,
                    int b) {
    const int c0 = std::max(0, l / 32);
    const int c1 = std::min(width - 1, (r - 1) / 32);
    const int r0 = std::max(0, t / 32);
    const int r1 = std::min(height - 1, (b - 1) / 32);
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            cells[static_cast<size_t>(row * width + column)] = 1;
        }
    }
}

bool CellGrid::Free(int c, int r) const {
    if (c < 0 || c >= width || r >= height) {
        return false;
    }
    return r < 0 || (!solid[Index(c, r)] && !hazard[Index(c, r)]);
}

bool CellGrid::Stand(int c, int r) const {
    return Free(c, r) && Free(c, r - 1) && !(r >= 0 && platform[Index(c, r)]) && Floor(c, r + 1) &&
           !hazard[Index(c, r + 1)];
}

NavigationField NavigationField::Compute(const CellGrid& grid, int goalColumn, int goalRow) {
    NavigationField field;
    if (goalColumn < 0 || goalColumn >= grid.width || goalRow >= grid.height) {
        return field;
    }

    // Every link between two places she can stand on, gathered backwards: for
    // each place, where she can come from and at what cost.
    const int cells = grid.width * grid.height;
    std::vector<std::vector<std::pair<int, int>>> from(static_cast<size_t>(cells));
    for (int r = 0; r < grid.height; ++r) {
        for (int c = 0; c < grid.width; ++c) {
            if (!grid.Stand(c, r)) {
                continue;
            }
            for (int r2 = std::max(0, r - kJumpUp); r2 <= std::min(grid.height - 1, r + kMaxDrop);
                 ++r2) {
                const int up = r - r2;
                const int reach = up > 0 ? kJumpAcross - 1 : kJumpAcross + std::min(-up / 2, 3);
                for (int c2 = std::max(0, c - reach); c2 <= std::min(grid.width - 1, c + reach);
                     ++c2) {
                    if ((c2 == c && r2 == r) || !grid.Stand(c2, r2)) {
                        continue;
                    }
                    const bool step = r2 == r && std::abs(c2 - c) == 1;
                    if (!step && !BandIsClear(grid, c, r, c2, r2)) {
                        continue;
                    }
                    const int cost = std::abs(c2 - c) + std::abs(up) + (step ? 0 : 1);
                    from[static_cast<size_t>(r2 * grid.width + c2)].push_back(
                        {r * grid.width + c, cost});
                }
            }
            // A crumbling floor gives way: down to the first place below it.
            if (grid.Inside(c, r + 1) &&
                grid.crumble[static_cast<size_t>((r + 1) * grid.width + c)]) {
                for (int r2 = r + 2; r2 < grid.height && grid.Free(c, r2); ++r2) {
                    if (grid.Stand(c, r2)) {
                        from[static_cast<size_t>(r2 * grid.width + c)].push_back(
                            {r * grid.width + c, r2 - r + 1});
                        break;
                    }
                }
            }
        }
    }

    // Cheapest ways back from the places around the mirror's foot.
    field.width_ = grid.width;
    field.height_ = grid.height;
    field.distance_.assign(static_cast<size_t>(cells), Unreached);
    using Entry = std::pair<int, int>; // distance, cell
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    // The mirror's position lies well above its foot: seed the first places
    // to stand below it.
    for (int dc = -1; dc <= 1; ++dc) {
        const int c = goalColumn + dc;
        for (int r = std::max(0, goalRow - 2); r < grid.height; ++r) {
            if (grid.Inside(c, r) && grid.Stand(c, r)) {
                field.distance_[static_cast<size_t>(r * grid.width + c)] = 0;
                open.push({0, r * grid.width + c});
                break;
            }
        }
    }
    while (!open.empty()) {
        const Entry top = open.top();
        open.pop();
        if (top.first > field.distance_[static_cast<size_t>(top.second)]) {
            continue;
        }
        for (const auto& link : from[static_cast<size_t>(top.second)]) {
            const int d = top.first + link.second;
            int& known = field.distance_[static_cast<size_t>(link.first)];
            if (d < known) {
                known = d;
                open.push({d, link.first});
            }
        }
    }
    // The picture: walls, one-way shelves, hazards, and each place to stand
    // lettered by its distance (a = next to the goal, ? = no way to it).
    for (int r = 0; r < grid.height; ++r) {
        for (int c = 0; c < grid.width; ++c) {
            const size_t i = static_cast<size_t>(r * grid.width + c);
            char mark = grid.crumble[i]    ? 'x'
                        : grid.solid[i]    ? '#'
                        : grid.platform[i] ? '='
                        : grid.hazard[i]   ? '^'
                                           : '.';
            if (grid.Stand(c, r)) {
                const int d = field.distance_[i];
                mark = d < Unreached ? static_cast<char>('a' + std::min(25, d / 10)) : '?';
            }
            field.picture_ += c == goalColumn && r == goalRow ? 'G' : mark;
        }
        field.picture_ += '\n';
    }
    return field;
}

int NavigationField::At(int column, int row) const {
    if (column < 0 || column >= width_ || row < 0 || row >= height_) {
        return Unreached;
    }
    return distance_[static_cast<size_t>(row * width_ + column)];
}

int NavigationField::DistanceAt(int mapX, int mapY) const {
    if (Empty()) {
        return Unreached;
    }
    const int column = mapX / 32;
    const int row = (mapY - 1) / 32;
    if (At(column, row) < Unreached) {
        return At(column, row); // standing
    }
    // In the air: the best place to come down on in the columns around her
    // (a jump over a gap still counts as getting on), each column's first
    // place below her, one more cell for each column aside.
    int best = Unreached;
    for (int dc = -kAirReach; dc <= kAirReach; ++dc) {
        for (int down = -1; down <= kMaxDrop; ++down) {
            const int d = At(column + dc, row + down);
            if (d < Unreached) {
                best = std::min(best, d + std::abs(dc));
                break;
            }
        }
    }
    return best;
}

} // namespace autoplay
