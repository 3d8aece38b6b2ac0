#include "WorldFixture.h"

#include "world/Block.h"

#include <stdexcept>

using namespace worldtest;

namespace {

class WorldViewMap : public WorldFixture {
protected:
    // A plain object that shows how far the world has been shifted.
    ViewObject& AddMarker() { return *app->objects->Add(new ViewObject()); }

    std::string LoadError(const std::string& path) {
        try {
            ViewMap loader;
            loader.Load(path);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "";
    }
};

TEST_F(WorldViewMap, ReadsSizesAndCellsAndEmptiesChipZero) {
    const std::vector<world::MapCell> cells = {
        Chip(32, 0), Chip(0, 0, 208), Chip(64, 320), Chip(96, 32, 1102),
        Chip(0, 32), Chip(32, 32),    Chip(64, 32),  Chip(96, 64),
    };
    const std::string path = WriteFile(Tm2Bytes(4, 2, cells));
    ViewMap& m = AddMap(world::TileMapData{});
    m.Load(path);
    EXPECT_EQ(m.width, 4);
    EXPECT_EQ(m.height, 2);
    EXPECT_EQ(m.headerWord3, 7);
    EXPECT_EQ(m.headerWord4, 9);
    EXPECT_EQ(m.Cell(0, 0).chipX, 32);
    EXPECT_TRUE(m.Cell(1, 0).Empty()) << "chip (0, 0) means nothing";
    EXPECT_EQ(m.Cell(1, 0).objectCode, 208) << "the object code on an empty cell stays";
    EXPECT_EQ(m.Cell(2, 0).chipY, 320);
    EXPECT_EQ(m.Cell(3, 0).objectCode, 1102);
    EXPECT_EQ(m.Cell(3, 1).chipX, 96);
    EXPECT_EQ(m.Cell(3, 1).chipY, 64);
    EXPECT_EQ(m.horizontalState, ScrollFixed);
    EXPECT_EQ(m.verticalState, ScrollFixed);
}

TEST_F(WorldViewMap, ShortFileReadsMissingCellsAsEmpty) {
    std::string bytes = Tm2Bytes(3, 1, {Chip(32, 0), Chip(64, 0), Chip(96, 0)});
    bytes.resize(bytes.size() - 8); // the last cell and a half are cut off
    ViewMap& m = AddMap(world::TileMapData{});
    m.Load(WriteFile(bytes));
    ASSERT_EQ(m.cells.size(), 3u);
    EXPECT_EQ(m.Cell(0, 0).chipX, 32);
    EXPECT_EQ(m.Cell(1, 0).chipX, 64);
    EXPECT_EQ(m.Cell(1, 0).chipY, 0);
    EXPECT_EQ(m.Cell(1, 0).objectCode, 0) << "the cut half of a cell reads as 0";
    EXPECT_TRUE(m.Cell(2, 0).Empty());
}

TEST_F(WorldViewMap, RefusesMissingFilesAndUnusableSizes) {
    const std::string missing = "/nonexistent/map/none.tm2";
    EXPECT_EQ(LoadError(missing), "Open Error: " + missing);

    const struct {
        int width;
        int height;
    } bad[] = {{0, 10}, {10, 0}, {-1, 10}, {10, -5}, {65536, 65536}, {1001, 100}, {100001, 1}};
    for (const auto& size : bad) {
        const std::string path = WriteFile(Tm2Bytes(size.width, size.height, {}));
        EXPECT_EQ(LoadError(path), "Open Error: " + path) << size.width << " x " << size.height;
    }
    // Exactly at the limit is still a map (its cells all missing, so empty).
    const std::string atLimit = WriteFile(Tm2Bytes(1000, 100, {}));
    EXPECT_EQ(LoadError(atLimit), "");
    // A file too short to hold the sizes reads them as 0: refused too.
    EXPECT_EQ(LoadError(WriteFile(std::string(50, '\0'))).rfind("Open Error: ", 0), 0u);
}

TEST_F(WorldViewMap, SetViewChoosesStatesAndShiftsTheWorld) {
    ViewMap& m = AddMap(EmptyMap(30, 20));
    ViewObject& marker = AddMarker();
    m.SetView(0, 0);
    EXPECT_EQ(m.horizontalState, ScrollAtLeft);
    EXPECT_EQ(m.verticalState, ScrollAtTop);
    m.SetView(10, 5);
    EXPECT_EQ(m.horizontalState, ScrollAtRight);
    EXPECT_EQ(m.verticalState, ScrollAtBottom);
    EXPECT_FLOAT_EQ(marker.x, -320.0f);
    EXPECT_FLOAT_EQ(marker.y, -160.0f);
    m.SetView(3, 2);
    EXPECT_EQ(m.horizontalState, ScrollFree);
    EXPECT_EQ(m.verticalState, ScrollFree);
    const Point2f p = m.TileToScreen(5, 4);
    EXPECT_FLOAT_EQ(p.x, 64.0f);
    EXPECT_FLOAT_EQ(p.y, 64.0f);
}

TEST_F(WorldViewMap, ScreenSizedMapsStayFixed) {
    ViewMap& m = AddMap(EmptyMap(20, 15));
    m.SetView(0, 0);
    EXPECT_EQ(m.horizontalState, ScrollFixed);
    EXPECT_EQ(m.verticalState, ScrollFixed);
    ViewMap& wide = AddMap(EmptyMap(40, 12));
    wide.SetView(5, 0);
    wide.ScrollX(-4);
    EXPECT_EQ(wide.horizontalState, ScrollFree);
    EXPECT_EQ(wide.verticalState, ScrollFixed) << "a short map never leaves the fixed state";
}

TEST_F(WorldViewMap, ScrollingRightStopsExactlyAtTheRightEnd) {
    ViewMap& m = AddMap(EmptyMap(21, 15));
    ViewObject& marker = AddMarker();
    m.SetView(0, 0);
    for (int frame = 1; frame <= 7; ++frame) {
        m.ScrollX(-4);
        EXPECT_EQ(m.horizontalState, ScrollFree) << "frame " << frame;
        EXPECT_EQ(m.scrollColumn, 0);
    }
    m.ScrollX(-4);
    EXPECT_EQ(m.horizontalState, ScrollAtRight);
    EXPECT_EQ(m.scrollColumn + 20, m.width);
    EXPECT_EQ(m.subOffsetX, 0.0f);
    EXPECT_FLOAT_EQ(marker.x, -32.0f) << "the world moved exactly one cell";
}

TEST_F(WorldViewMap, AStepPastEitherEndIsCutAtTheCellBoundary) {
    ViewMap& m = AddMap(EmptyMap(21, 16));
    ViewObject& marker = AddMarker();
    m.SetView(0, 0);
    m.subOffsetX = -30;
    m.ScrollX(-5);
    EXPECT_FLOAT_EQ(marker.x, -2.0f);
    EXPECT_EQ(m.horizontalState, ScrollAtRight);
    EXPECT_EQ(m.scrollColumn, 1);

    // And back: from column 1, offset 30, a step of 5 ends at the left end.
    m.subOffsetX = 30;
    marker.x = 0;
    m.ScrollX(5);
    EXPECT_FLOAT_EQ(marker.x, 2.0f);
    EXPECT_EQ(m.horizontalState, ScrollAtLeft);
    EXPECT_EQ(m.scrollColumn, 0);
    EXPECT_EQ(m.subOffsetX, 0.0f);

    // Vertically the same with the rows.
    m.SetView(0, 0);
    marker.y = 0;
    m.subOffsetY = -30;
    m.ScrollY(-5);
    EXPECT_FLOAT_EQ(marker.y, -2.0f);
    EXPECT_EQ(m.verticalState, ScrollAtBottom);
    EXPECT_EQ(m.scrollRow, 1);
    m.ScrollY(3);
    EXPECT_EQ(m.verticalState, ScrollFree);
    EXPECT_FLOAT_EQ(m.subOffsetY, 3.0f);
}

TEST_F(WorldViewMap, ScrollingWithinTheMapKeepsTheOffsetInsideACell) {
    ViewMap& m = AddMap(EmptyMap(60, 15));
    ViewObject& marker = AddMarker();
    m.SetView(10, 0);
    for (int frame = 0; frame < 20; ++frame) {
        m.ScrollX(-5); // 100 pixels: three cells and 4 pixels
    }
    EXPECT_EQ(m.scrollColumn, 13);
    EXPECT_FLOAT_EQ(m.subOffsetX, -4.0f);
    EXPECT_FLOAT_EQ(marker.x, -320.0f - 100.0f);
    const Point2f p = m.TileToScreen(13, 0);
    EXPECT_FLOAT_EQ(p.x, -4.0f);
}

TEST_F(WorldViewMap, DrawsOnlyScenerySurroundingTheView) {
    world::TileMapData data = EmptyMap(30, 20);
    for (auto& cell : data.cells) {
        cell = Chip(32, 320); // scenery everywhere
    }
    data.cells[0] = Chip(32, 0); // an active chip: becomes a block
    ViewMap& m = AddMap(std::move(data));
    m.PlaceAll();
    ASSERT_EQ(All<Block>().size(), 1u);

    recorder->ClearDraws();
    m.Draw();
    // At the top-left corner only the cells from (0, 0) on exist, and the
    // active chip's cell is no longer drawn by the map.
    EXPECT_EQ(recorder->Draws().size(), 21u * 16u - 1u);

    m.SetView(5, 3);
    m.subOffsetX = -10.5f;
    recorder->ClearDraws();
    m.Draw();
    ASSERT_EQ(recorder->Draws().size(), 22u * 17u);
    const auto& first = recorder->Draws().front();
    EXPECT_EQ(first.texture, "mapchip");
    // Vertices sit half a pixel up and left, on the pixel grid's corners.
    EXPECT_FLOAT_EQ(first.vertices[0].x + 0.5f, -10.0f - 32.0f) << "integer part of the offset";
    EXPECT_FLOAT_EQ(first.vertices[0].y + 0.5f, -32.0f);
}

} // namespace
