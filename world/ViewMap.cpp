#include "world/ViewMap.h"

#include "app/VrelsSkarovApp.h"
#include "object/ObjectManager.h"
#include "resource/CTexture.h"
#include "world/PlaceChip.h"

#include <cmath>
#include <utility>

namespace {
// Every cell outside the map reads as this.
const world::MapCell kOutside{};
} // namespace

ViewMap::ViewMap() {
    priority = 1500;
    level = 200;
}

ViewMap::~ViewMap() = default;

void ViewMap::Load(const std::string& path) {
    Assign(world::ReadTileMap(path));
}

void ViewMap::Assign(world::TileMapData data) {
    // A map is loaded once per build; start from a clean view all the same.
    horizontalState = ScrollUnset;
    verticalState = ScrollUnset;
    scrollColumn = 0;
    scrollRow = 0;
    subOffsetX = 0;
    subOffsetY = 0;
    width = data.width;
    height = data.height;
    headerWord3 = data.word3;
    headerWord4 = data.word4;
    cells = std::move(data.cells);
    cells.resize(width > 0 && height > 0 ? static_cast<std::size_t>(width) * height : 0);
    // As in a file read, the chip at (0, 0) means "nothing".
    for (world::MapCell& cell : cells) {
        if (cell.chipX == 0 && cell.chipY == 0) {
            cell.chipX = world::EmptyChip;
        }
    }
    if (width <= ViewColumns) {
        horizontalState = ScrollFixed;
    }
    if (height <= ViewRows) {
        verticalState = ScrollFixed;
    }
    LoadChipSheet();
}

void ViewMap::LoadChipSheet() {
    chipTexture = std::make_shared<CTexture>();
    // Chips are placed by their top-left corners.
    chipTexture->Load("mapchip", "gfx/mapchip.tga", false);
    chipTexture->SetCentre(0, 0);
}

const world::MapCell& ViewMap::Cell(int column, int row) const {
    if (column < 0 || column >= width || row < 0 || row >= height) {
        return kOutside;
    }
    return cells[static_cast<std::size_t>(column + row * width)];
}

void ViewMap::ShiftWorld(float dx, float dy) {
    VrelsSkarovApp* app = VrelsSkarovApp::Instance();
    if (app && app->objects) {
        app->objects->ShiftAll(dx, dy);
    }
}

void ViewMap::PlaceAll() {
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            world::MapCell& cell = cells[static_cast<std::size_t>(column + row * width)];
            const float x = static_cast<float>(column * CellSize);
            const float y = static_cast<float>(row * CellSize);
            if (!cell.Empty() && cell.chipY < FirstSceneryChipY) {
                PlaceChip(cell.chipX, cell.chipY, x, y);
                cell.chipX = world::EmptyChip;
            }
            if (cell.objectCode != 0) {
                PlaceChip((cell.objectCode / 100) * CellSize, (cell.objectCode % 100) * CellSize, x,
                          y);
            }
        }
    }
    ShiftWorld(0, 0);
}

void ViewMap::SetView(int column, int row) {
    scrollColumn = column;
    scrollRow = row;
    if (horizontalState != ScrollFixed) {
        if (column == 0) {
            horizontalState = ScrollAtLeft;
        } else if (width == column + ViewColumns) {
            horizontalState = ScrollAtRight;
        } else {
            horizontalState = ScrollFree;
        }
    }
    if (verticalState != ScrollFixed) {
        if (row == 0) {
            verticalState = ScrollAtTop;
        } else if (height == row + ViewRows) {
            verticalState = ScrollAtBottom;
        } else {
            verticalState = ScrollFree;
        }
    }
    ShiftWorld(static_cast<float>(-column * CellSize), static_cast<float>(-row * CellSize));
}

namespace {

// One scroll step along one axis. offset is the grid's sub-cell offset on
// screen, first the first map cell shown, cells the map's size and viewCells
// the screen's, all along this axis. Returns the amount the world really moves:
// a step that would pass the map's end stops on the cell boundary.
float ScrollAxis(float delta, float& offset, int& first, int cells, int viewCells, int& state,
                 int endForward, int endBack) {
    state = ScrollFree;
    const float old = offset;
    const float sum = delta + old;
    bool crossed = false;
    if (delta < 0) {
        // The view moves on towards the map's far end.
        if (old <= 0 && sum <= -32) {
            first += 1;
            crossed = true;
        } else {
            crossed = old > 0 && sum <= 0;
        }
        const float r = std::fmod(sum, 32.0f);
        offset = r;
        if (crossed && cells == first + viewCells) {
            state = endForward;
            offset = 0;
            delta -= r;
        }
    } else {
        if (old >= 0 && sum >= 32) {
            first -= 1;
            crossed = true;
        } else {
            crossed = old < 0 && sum >= 0;
        }
        const float r = std::fmod(sum, 32.0f);
        offset = r;
        if (crossed && first == 0) {
            state = endBack;
            offset = 0;
            delta -= r;
        }
    }
    return delta;
}

} // namespace

void ViewMap::ScrollX(float dx) {
    const float moved = ScrollAxis(dx, subOffsetX, scrollColumn, width, ViewColumns,
                                   horizontalState, ScrollAtRight, ScrollAtLeft);
    ShiftWorld(moved, 0);
}

void ViewMap::ScrollY(float dy) {
    const float moved = ScrollAxis(dy, subOffsetY, scrollRow, height, ViewRows, verticalState,
                                   ScrollAtBottom, ScrollAtTop);
    ShiftWorld(0, moved);
}

Point2f ViewMap::TileToScreen(int column, int row) const {
    return Point2f{static_cast<float>(column * CellSize - scrollColumn * CellSize) + subOffsetX,
                   static_cast<float>(row * CellSize - scrollRow * CellSize) + subOffsetY};
}

void ViewMap::Draw() {
    DxGraphics* graphics = DxGraphics::Current();
    if (!graphics || !chipTexture) {
        return;
    }
    const float baseX = std::trunc(subOffsetX);
    const float baseY = std::trunc(subOffsetY);
    // One extra cell on every side covers the partly visible cells while the
    // grid is offset.
    for (int i = -1; i <= ViewRows; ++i) {
        for (int j = -1; j <= ViewColumns; ++j) {
            const int column = scrollColumn + j;
            const int row = scrollRow + i;
            if (column < 0 || column >= width || row < 0 || row >= height) {
                continue;
            }
            const world::MapCell& cell = Cell(column, row);
            if (cell.Empty()) {
                continue;
            }
            chipTexture->SetRect(cell.chipX, cell.chipY, cell.chipX + CellSize,
                                 cell.chipY + CellSize);
            chipTexture->SetCentre(0, 0);
            chipTexture->scale = 1.0f;
            chipTexture->flipH = false;
            chipTexture->flipV = false;
            graphics->DrawSprite(chipTexture.get(), baseX + static_cast<float>(j * CellSize),
                                 baseY + static_cast<float>(i * CellSize), 1.0f, 0.0f, BlendAlpha);
        }
    }
}
