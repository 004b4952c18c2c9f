// The grid: extent, ticks, cells of the points and their marks.
#include <gtest/gtest.h>

#include <limits>

#include "common/text.hpp"
#include "map/grid.hpp"

namespace ped::map {
namespace {

// The points of the two-row example as its point file reads back.
const std::vector<Point> kExample{
    {0, 0}, {1, 0}, {2, 0}, {0, 0}, {0.984808, 0.173648}, {1.969616, 0.347296}};

std::vector<std::pair<int, int>> cells_of(const std::vector<Point>& points, const Extent& e) {
    std::vector<std::pair<int, int>> cells;
    for (const Point& p : points) {
        int cx = -1, cy = -1;
        EXPECT_TRUE(cell_of(p, e, cx, cy));
        cells.emplace_back(cx, cy);
    }
    return cells;
}

TEST(Grid, TwoRowExample) {
    const Extent e = extent_of(kExample);
    EXPECT_EQ(strprintf("%lf", e.size()), "2.000000");
    EXPECT_EQ(tick_spacing(e.size()), 417);
    EXPECT_EQ(cells_of(kExample, e), (std::vector<std::pair<int, int>>{
                                         {0, 0}, {42, 0}, {83, 0}, {0, 0}, {41, 7}, {82, 14}}));
}

TEST(Grid, TickSpacing) {
    EXPECT_EQ(tick_spacing(0), 500);
    EXPECT_EQ(tick_spacing(10), 250);
    EXPECT_EQ(tick_spacing(9990), 1);
    EXPECT_EQ(tick_spacing(9991), 0);
    EXPECT_EQ(tick_spacing(std::numeric_limits<double>::infinity()), 0);
}

TEST(Grid, PointsLeftOfTheAxisOrOffTheGridHaveNoCell) {
    const Extent e = extent_of({{10, 0}});
    int cx, cy;
    EXPECT_FALSE(cell_of({-1, 0}, e, cx, cy));    // x cell -25
    EXPECT_TRUE(cell_of({-0.02, 0}, e, cx, cy));  // scaled -0.5 rounds to cell 0
    EXPECT_EQ(cx, 0);
    EXPECT_FALSE(cell_of({1e300, 0}, e, cx, cy));
    EXPECT_FALSE(cell_of({0, std::numeric_limits<double>::quiet_NaN()}, e, cx, cy));
}

// The cells a mark sets, as "x,y" words in grid order.
std::string marked(int cx, int cy) {
    Grid g;
    mark_point(g, cx, cy);
    std::string cells;
    for (int x = 0; x <= kLastCell; ++x)
        for (int y = 0; y <= kLastCell; ++y)
            if (g.at(x, y) == kPointGrey) cells += strprintf("%d,%d ", x, y);
    return cells;
}

TEST(Grid, MarkOfAPoint) {
    EXPECT_EQ(marked(10, 20),
              "8,20 9,19 9,20 9,21 10,18 10,19 10,20 10,21 10,22 11,19 11,20 11,21 12,20 ");
    // On an axis: the neighbours never reach the other side or the axis cells beside it.
    EXPECT_EQ(marked(0, 0), "0,0 0,1 0,2 1,0 1,1 2,0 ");
    EXPECT_EQ(marked(1, 1), "1,1 1,2 1,3 2,1 2,2 3,1 ");
    // At the far edges nothing is written outside the grid.
    EXPECT_EQ(marked(500, 500), "498,500 499,499 499,500 500,498 500,499 500,500 ");
}

TEST(Grid, RenderMarksOnlyPointsInsideAndMarksWinOverTicks) {
    // (-0.08, 5) falls on x cell -1: were it marked, its neighbour two cells right would
    // land on x cell 1.
    const std::vector<Point> points{{-20, 0}, {-0.08, 5}, {0, 0}, {10, 0}};
    const Extent e = extent_of(points);  // m = 10: ticks every 250 cells
    const Grid g = render_map(points, e);
    EXPECT_EQ(g.at(0, 0), kPointGrey);
    EXPECT_EQ(g.at(250, 0), kPointGrey);  // the point (10, 0)
    EXPECT_EQ(g.at(250, 1), kPointGrey);  // over the tick
    EXPECT_EQ(g.at(250, 3), kAxisGrey);   // tick
    EXPECT_EQ(g.at(0, 250), kAxisGrey);
    EXPECT_EQ(g.at(3, 250), kAxisGrey);
    EXPECT_EQ(g.at(4, 250), kBackground);
    EXPECT_EQ(g.at(1, 125), kBackground);
    int zeros = 0;
    for (int x = 0; x <= kLastCell; ++x)
        for (int y = 0; y <= kLastCell; ++y) zeros += g.at(x, y) == kPointGrey;
    EXPECT_EQ(zeros, 6 + 9);  // (0, 0) and (10, 0), both on the x axis
}

}  // namespace
}  // namespace ped::map
