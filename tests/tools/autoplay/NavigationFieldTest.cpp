// The goal-distance measure on small drawn maps: which places count as having
// a way to the goal, and that distances fall along that way.
#include "tools/autoplay/NavigationField.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using autoplay::CellGrid;
using autoplay::NavigationField;

namespace {

// '#' solid, 'x' crumbling block, '=' one-way shelf, '^' hazard, 'G' the
// goal's cell, 'S' and 'T' places the test asks about (open cells).
struct Drawn {
    CellGrid grid{0, 0};
    int goalColumn = -1;
    int goalRow = -1;
    int sColumn = -1, sRow = -1;
    int tColumn = -1, tRow = -1;
};

Drawn Draw(const std::vector<std::string>& rows) {
    Drawn drawn;
    drawn.grid = CellGrid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const size_t i = static_cast<size_t>(r * drawn.grid.width + c);
            switch (rows[r][c]) {
            case '#':
                drawn.grid.solid[i] = 1;
                break;
            case 'x':
                drawn.grid.solid[i] = 1;
                drawn.grid.crumble[i] = 1;
                break;
            case '=':
                drawn.grid.platform[i] = 1;
                break;
            case '^':
                drawn.grid.hazard[i] = 1;
                break;
            case 'G':
                drawn.goalColumn = c;
                drawn.goalRow = r;
                break;
            case 'S':
                drawn.sColumn = c;
                drawn.sRow = r;
                break;
            case 'T':
                drawn.tColumn = c;
                drawn.tRow = r;
                break;
            default:
                break;
            }
        }
    }
    return drawn;
}

// Feet on the bottom edge of a cell, in map pixels.
int Distance(const NavigationField& field, int column, int row) {
    return field.DistanceAt(column * 32 + 16, (row + 1) * 32);
}

} // namespace

TEST(NavigationField, MeasuresFromTheGroundBelowAHighGoal) {
    // The mirror's position sits high above its foot: the places below count.
    const Drawn d = Draw({
        "..........",
        "........G.",
        "..........",
        "..........",
        "..S.......",
        "##########",
    });
    const NavigationField field = NavigationField::Compute(d.grid, d.goalColumn, d.goalRow);
    ASSERT_FALSE(field.Empty());
    // The mirror reaches over its neighbours: from column 7 on she is there.
    EXPECT_EQ(Distance(field, 8, 4), 0);
    EXPECT_EQ(Distance(field, 7, 4), 0);
    EXPECT_EQ(Distance(field, d.sColumn, d.sRow), 5); // five steps along the floor
    // In the air above the floor: the place she lands on.
    EXPECT_EQ(field.DistanceAt(2 * 32 + 16, 2 * 32), 5);
}

TEST(NavigationField, ClimbsThroughOneWayShelvesButNotThroughWalls) {
    // Left: shelves she can jump up through. Right: the same climb under
    // solid floors, which she cannot pass from below.
    const Drawn shelves = Draw({
        "G.........",
        "==........",
        "..........",
        "..........",
        "====......",
        "..........",
        "..........",
        "..S.......",
        "##########",
    });
    const NavigationField open =
        NavigationField::Compute(shelves.grid, shelves.goalColumn, shelves.goalRow);
    EXPECT_LT(Distance(open, shelves.sColumn, shelves.sRow), NavigationField::Unreached);

    const Drawn walls = Draw({
        "G.........",
        "##........",
        "..........",
        "..........",
        "##########",
        "..........",
        "..........",
        "..S.......",
        "##########",
    });
    const NavigationField closed =
        NavigationField::Compute(walls.grid, walls.goalColumn, walls.goalRow);
    EXPECT_EQ(Distance(closed, walls.sColumn, walls.sRow), NavigationField::Unreached);
}

TEST(NavigationField, NeverStandsOnHazardsAndJumpsOnlyWithinReach) {
    // Spikes two cells wide can be jumped; a floor of spikes is no place to stand.
    const Drawn spikes = Draw({
        "..........",
        "..........",
        "..S....G..",
        "###^^#####",
    });
    const NavigationField field =
        NavigationField::Compute(spikes.grid, spikes.goalColumn, spikes.goalRow);
    EXPECT_LT(Distance(field, spikes.sColumn, spikes.sRow), NavigationField::Unreached);
    // The cells over the spikes are no places to stand: the picture shows
    // row 2 as places, two gaps, places.
    const std::string row2 = field.Picture().substr(2 * 11, 10);
    EXPECT_EQ(row2.substr(3, 2), "..") << row2;
    EXPECT_NE(row2[2], '.') << row2;
    EXPECT_NE(row2[5], '.') << row2;
    // Mid-jump over them she is still on her way: the far side counts.
    EXPECT_EQ(field.DistanceAt(4 * 32 + 8, 1 * 32), Distance(field, 5, 2) + 1);

    // A ledge six cells up is out of reach; one four cells up is not.
    const Drawn high = Draw({
        "......G...",
        ".....####.",
        "..........",
        "..........",
        "..........",
        "..........",
        "..S.......",
        "##########",
    });
    EXPECT_EQ(Distance(NavigationField::Compute(high.grid, high.goalColumn, high.goalRow),
                       high.sColumn, high.sRow),
              NavigationField::Unreached);
    const Drawn reachable = Draw({
        "......G...",
        ".....####.",
        "..........",
        "..........",
        "..S.......",
        "##########",
    });
    EXPECT_LT(
        Distance(NavigationField::Compute(reachable.grid, reachable.goalColumn, reachable.goalRow),
                 reachable.sColumn, reachable.sRow),
        NavigationField::Unreached);
}

TEST(NavigationField, ASwitchbackCountsAsHeadwayAllTheWay) {
    // Right along the bottom to climb onto the middle floor at its end, back
    // left along it to climb to the top, then right to the goal: walking
    // left on the middle floor is still getting closer.
    const Drawn d = Draw({
        "............",
        "............",
        "............",
        "...........G",
        "...#########",
        "............",
        "............",
        ".T..........",
        "#########...",
        "............",
        "............",
        "S...........",
        "############",
    });
    const NavigationField field = NavigationField::Compute(d.grid, d.goalColumn, d.goalRow);
    const int start = Distance(field, d.sColumn, d.sRow);
    const int turn = Distance(field, d.tColumn, d.tRow);
    ASSERT_LT(start, NavigationField::Unreached);
    ASSERT_LT(turn, NavigationField::Unreached);
    EXPECT_LT(turn, start);
    EXPECT_LT(Distance(field, 1, 7), Distance(field, 6, 7));
    // On the bottom floor, right is closer: the climb is at its right end.
    EXPECT_LT(Distance(field, 8, 11), Distance(field, 2, 11));
}

TEST(NavigationField, NoGoalMeansNoMeasure) {
    const Drawn d = Draw({"....", "####"});
    EXPECT_TRUE(NavigationField::Compute(d.grid, -1, -1).Empty());
    EXPECT_EQ(NavigationField::Compute(d.grid, -1, -1).DistanceAt(16, 32),
              NavigationField::Unreached);
}

TEST(NavigationField, ACrumblingFloorDropsHerToThePassageBelow) {
    // A low corridor ends at a wall; the end of its floor crumbles into a
    // cellar that leads on to the mirror. Crumbling blocks hold her like any
    // floor, and the corridor counts as on the way only through them.
    const std::vector<std::string> rows = {
        "##########..", "........#...", "..S...T.#...", "#####xxx#...",
        "...........G", "............", "############",
    };
    const Drawn crumbling = Draw(rows);
    const NavigationField field =
        NavigationField::Compute(crumbling.grid, crumbling.goalColumn, crumbling.goalRow);
    const int atEnd = Distance(field, crumbling.tColumn, crumbling.tRow);
    ASSERT_LT(atEnd, NavigationField::Unreached);
    // Back along the corridor, further from the goal, a step a cell.
    EXPECT_EQ(Distance(field, crumbling.sColumn, crumbling.sRow), atEnd + 4);
    EXPECT_EQ(field.Picture().substr(3 * 13, 12), "#####xxx#...");

    // The same floor all solid: a dead end, no way from the corridor.
    std::vector<std::string> solidRows = rows;
    solidRows[3] = "#########...";
    const Drawn solid = Draw(solidRows);
    const NavigationField closed =
        NavigationField::Compute(solid.grid, solid.goalColumn, solid.goalRow);
    EXPECT_EQ(closed.Picture().substr(2 * 13, 8), "????????");
    EXPECT_EQ(field.Picture().substr(2 * 13, 8).find('?'), std::string::npos);
}
