#pragma once
// The stage's tile map: a grid of 32 x 32 cells read from a ".tm2" file. It
// draws the scenery cells behind every object and keeps track of which part of
// the map the 640 x 480 screen (20 x 15 cells) shows. Objects keep screen
// coordinates: scrolling the view shifts every object in the object manager by
// the opposite amount instead of moving a camera.
#include "lib/DxGraphics.h"
#include "object/ObjectBase.h"
#include "world/TileMapFile.h"

#include <memory>
#include <string>
#include <vector>

class CTexture;

// Scroll states, one per direction.
enum ScrollState {
    ScrollUnset = 0, // before SetView
    ScrollFree = 1,  // the view can move both ways
    ScrollFixed = 2, // the map is no larger than the screen this way; never scrolls
    ScrollAtRight = 3,
    ScrollAtLeft = 4,
    ScrollAtTop = 5,
    ScrollAtBottom = 6,
};

class ViewMap : public ObjectBase {
public:
    static constexpr int CellSize = 32;
    static constexpr int ViewColumns = 20;
    static constexpr int ViewRows = 15;
    // Chips in sheet rows 0 to 9 stand for objects; rows from 10 on are scenery.
    static constexpr int FirstSceneryChipY = 320;

    ViewMap();
    ~ViewMap() override;

    // Reads the map file and loads the chip sheet "gfx/mapchip.tga" under the
    // texture name "mapchip". Throws std::runtime_error("Open Error: " + path).
    void Load(const std::string& path);
    // Uses already read map data (tests and tools); loads the chip sheet too.
    void Assign(world::TileMapData data);
    // Turns every active chip and every object code into its object (see
    // PlaceChip), empties the active chips' cells, then shifts everything by
    // (0, 0) so that objects outside the first screen start asleep.
    void PlaceAll();
    // Puts the view at a cell-aligned position and shifts every object to it.
    void SetView(int column, int row);
    // Moves the view: dx and dy are the amounts the world moves on screen
    // (negative dx shows more of the map's right side). The world stops
    // exactly on the cell boundary at the map's ends.
    void ScrollX(float dx);
    void ScrollY(float dy);
    // Screen position of a cell's top-left corner under the current view.
    Point2f TileToScreen(int column, int row) const;

    // The map keeps its own scroll state; shifting it does nothing.
    void Shift(float, float) override {}
    void Draw() override;

    // The cell at (column, row); cells outside the map read as empty.
    const world::MapCell& Cell(int column, int row) const;

    std::vector<world::MapCell> cells;
    int width = 0;
    int height = 0;
    int headerWord3 = 0;
    int headerWord4 = 0;
    int scrollColumn = 0;
    int scrollRow = 0;
    float subOffsetX = 0;
    float subOffsetY = 0;
    std::shared_ptr<CTexture> chipTexture;
    int horizontalState = ScrollUnset;
    int verticalState = ScrollUnset;

private:
    void LoadChipSheet();
    void ShiftWorld(float dx, float dy);
};
