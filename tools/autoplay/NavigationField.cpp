#include "tools/autoplay/NavigationField.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "object/ViewObject.h"
#include "scene/stage/StageScene.h"
#include "world/Block.h"
#include "world/DBlock.h"
#include "world/ViewMap.h"
#include "world/items/Goal.h"

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <utility>

namespace autoplay {

namespace {

constexpr int kJumpUp = 4;     // cells
constexpr int kJumpAcross = 5; // cells, on one level
constexpr int kMaxDrop = 24;   // cells

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> solid;
    std::vector<unsigned char> platform; // one-way: she jumps up through it
    std::vector<unsigned char> hazard;

    bool Inside(int c, int r) const { return c >= 0 && c < width && r >= 0 && r < height; }
    bool Solid(int c, int r) const { return Inside(c, r) && solid[r * width + c]; }
    bool Floor(int c, int r) const {
        return Inside(c, r) && (solid[r * width + c] || platform[r * width + c]);
    }
    // Cells above the map are open; the sides and the bottom are closed.
    bool Free(int c, int r) const {
        if (c < 0 || c >= width || r >= height) {
            return false;
        }
        return r < 0 || (!solid[r * width + c] && !hazard[r * width + c]);
    }
    // Her feet in this cell's bottom: room for her body, firm ground below.
    bool Stand(int c, int r) const {
        return Free(c, r) && Free(c, r - 1) && !(r >= 0 && platform[r * width + c]) &&
               Floor(c, r + 1) && !hazard[(r + 1) * width + c];
    }
};

// Marks every cell a box (map pixels, exclusive right and bottom) overlaps.
void Mark(std::vector<unsigned char>& cells, const Grid& grid, int l, int t, int r, int b) {
    const int c0 = std::max(0, l / 32);
    const int c1 = std::min(grid.width - 1, (r - 1) / 32);
    const int r0 = std::max(0, t / 32);
    const int r1 = std::min(grid.height - 1, (b - 1) / 32);
    for (int row = r0; row <= r1; ++row) {
        for (int column = c0; column <= c1; ++column) {
            cells[row * grid.width + column] = 1;
        }
    }
}

// A clear band between two places: some row from `top` down to `top` + 4
// (rows above the higher of the two) is open over every column between them,
// and each end column is open from that row down to its place.
bool BandIsClear(const Grid& grid, int c, int r, int c2, int r2) {
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

NavigationField NavigationField::Measure() {
    NavigationField field;
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    StageScene* stage = CurrentStage();
    if (!app || !stage || !stage->map) {
        return field;
    }
    const ViewMap& map = *stage->map;
    const int originX = map.scrollColumn * 32 - static_cast<int>(map.subOffsetX);
    const int originY = map.scrollRow * 32 - static_cast<int>(map.subOffsetY);
    Grid grid;
    grid.width = map.width;
    grid.height = map.height;
    grid.solid.assign(static_cast<size_t>(grid.width * grid.height), 0);
    grid.platform.assign(grid.solid.size(), 0);
    grid.hazard.assign(grid.solid.size(), 0);
    int goalColumn = -1;
    int goalRow = -1;
    for (const auto& object : app->objects->Objects()) {
        const auto* placed = dynamic_cast<const ViewObject*>(object.get());
        if (object->removed || !placed) {
            continue;
        }
        const int ox = static_cast<int>(placed->x) + originX;
        const int oy = static_cast<int>(placed->y) + originY;
        if (object->IsBlock()) {
            const auto* block = static_cast<const Block*>(object.get());
            Mark(block->IsScaffolding() ? grid.platform : grid.solid, grid, ox + block->left,
                 oy + block->top, ox + block->right, oy + block->bottom);
        } else if (const auto* damage = dynamic_cast<const DBlock*>(object.get())) {
            Mark(grid.hazard, grid, ox + damage->left + 4, oy + damage->top + 4,
                 ox + damage->right - 4, oy + damage->bottom - 4);
        } else if (dynamic_cast<const Goal*>(object.get())) {
            goalColumn = ox / 32;
            goalRow = (oy - 1) / 32;
        }
    }
    if (goalColumn < 0 || !grid.Inside(goalColumn, std::max(goalRow, 0))) {
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
            char mark = grid.solid[i] ? '#' : grid.platform[i] ? '=' : grid.hazard[i] ? '^' : '.';
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
    // Standing, or in the air: the nearest place to land below her.
    for (int down = 0; down <= kMaxDrop; ++down) {
        int best = Unreached;
        for (int dc = -1; dc <= 1; ++dc) {
            best = std::min(best, At(column + dc, row + down) + (dc != 0 ? 1 : 0));
        }
        if (best < Unreached) {
            return best;
        }
    }
    return Unreached;
}

} // namespace autoplay
