// The map tool's units: tilt rows and their angles, the point file against a test of every
// reflection, the grid (extent, ticks, cells, marks) and the two map files (the PNG read back). The
// stored cases pin the maps by their digests; the cells here are derived by hand.
#include <gtest/gtest.h>
#include <png.h>

#include <cerrno>
#include <cmath>
#include <limits>
#include <random>

#include "common/constants.hpp"
#include "common/text.hpp"
#include "harness.hpp"
#include "map/grid.hpp"
#include "map/map_files.hpp"
#include "map/point_file.hpp"
#include "map/row_angles.hpp"
#include "map/tilt_file.hpp"

namespace ped::map {
namespace {

TEST(TiltFile, RowsAndTheFirstLineWithoutThreeNumbers) {
    test::TempDir d;
    test::write_file(d / "t", "0 0 1.0\r\n\n  \t\n10 -5 2.5 row b\n-3e1 4 0.5\n");
    std::vector<Row> rows;
    const TiltRead read = read_tilt_file(d / "t", rows);
    ASSERT_EQ(read.reason + read.bad_line, 0);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(
        strprintf("%g %g %g %g", rows[1].tilt1, rows[1].tilt2, rows[1].spacing, rows[2].tilt1),
        "10 -5 2.5 -30");
    EXPECT_EQ(read_tilt_file(d / "none", rows).reason, ENOENT);
    EXPECT_EQ(read_tilt_file(d.path(), rows).reason, EISDIR);  // a folder
    for (const char* bad : {"0 0\n", "0 zero 1\n", "1 2 nan\n", "1,5 2 3\n"}) {
        test::write_file(d / "t", std::string("1 2 3\n\n") + bad + "4 5 6\n");
        EXPECT_EQ(read_tilt_file(d / "t", rows).bad_line, 3) << bad;
    }
    test::write_file(d / "t",
                     "1 2 3\n" + std::string(kLongestLine + 1, '7') + "\nx\n");  // read no further
    const TiltRead too_long = read_tilt_file(d / "t", rows);
    EXPECT_TRUE(too_long.bad_line == 2 && too_long.too_long);
}

TEST(RowAngles, SignFollowsTheFirstTiltOnly) {
    const Row ref{5, 5, 1};
    // Second tilt alone differs: positive whichever way it goes.
    EXPECT_NEAR(degrees(row_angle({5, -15, 1}, ref)), 20, 1e-9);
    EXPECT_NEAR(degrees(row_angle({5, 25, 1}, ref)), 20, 1e-9);
    // First tilt below the reference's: negative, even with the second tilt above;
    // cos(angle) = cos(10 deg) cos(10 deg).
    const double c = std::cos(10 * pi / 180);
    EXPECT_NEAR(degrees(row_angle({-5, 15, 1}, ref)), -std::acos(c * c) * 180 / pi, 1e-12);
    EXPECT_GT(row_angle({6, -30, 1}, ref), 0);
    EXPECT_NEAR(degrees(row_angle({-175, 5, 1}, ref)), -180, 1e-9);
}

// Each row stops at its first point outside the window; that must give exactly the points a
// test of every reflection keeps, for any angle and any sign of the spacings. The file reads
// back.
TEST(PointFile, SameAsTestingEveryReflection) {
    std::mt19937 gen(6);
    std::uniform_real_distribution<double> tilt(-200, 200), spacing(-0.5, 3);
    test::TempDir d;
    for (int run = 0; run < 200; ++run) {
        std::vector<Row> rows;
        for (int i = 0; i < 5; ++i) rows.push_back({tilt(gen), tilt(gen), spacing(gen)});
        if (run % 3 == 0) rows[1].spacing = 0;
        const int reference = run % 5, repetitions = 1 + run % 7;
        const std::vector<double> angles = row_angles(rows, reference);
        const double lim = repetitions * rows[reference].spacing * 1.01;
        std::string expected;
        size_t points = 0;
        for (size_t i = 0; i < rows.size(); ++i, ++points) {
            expected += "0\t0\n";
            for (int j = 1; j <= 2 * repetitions; ++j) {
                const double x = std::cos(angles[i]) * (j * rows[i].spacing);
                const double y = std::sin(angles[i]) * (j * rows[i].spacing);
                if (x <= lim && y <= lim && y >= -lim) {
                    expected += strprintf("%lf\t%lf\t\t%lf\n", x, y, degrees(angles[i]));
                    ++points;
                }
            }
        }
        OutFile out;
        ASSERT_TRUE(out.open(d / "p"));
        write_point_file(out, rows, angles, reference, repetitions);
        ASSERT_TRUE(out.close());
        ASSERT_EQ(test::read_file(d / "p"), expected) << "run " << run;
        std::vector<Point> back;
        ASSERT_EQ(read_point_file(d / "p", back), 0);
        ASSERT_EQ(back.size(), points);
    }
    test::write_file(d / "p", "0\t0\n1.5\t-2.25\t\t7.000000\r\n\njunk line\n3\n-4 5\n");
    std::vector<Point> points;
    ASSERT_EQ(read_point_file(d / "p", points), 0);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(strprintf("%g %g %g", points[1].x, points[1].y, points[2].x), "1.5 -2.25 -4");
    EXPECT_EQ(read_point_file(d / "missing", points), ENOENT);
}

TEST(Grid, ExtentTicksAndCells) {
    // The extent: the largest x, the largest y and the smallest y, in any order.
    const Extent e = extent_of({{2, 3}, {5, -1}, {1, 7}, {4, -6}, {0, 2}});
    EXPECT_EQ(strprintf("%g %g %g %g", e.max_x, e.max_y, e.min_y, e.size()), "5 7 -6 13");
    EXPECT_EQ(extent_of({{-3, -2}}).size(), 2);
    EXPECT_EQ(extent_of({{9, 4}, {3, -4}}).size(), 9);
    const double m[] = {0, 10, 9990, 9991, std::numeric_limits<double>::infinity()};
    const int spacing[] = {500, 250, 1, 0, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tick_spacing(m[i]), spacing[i]) << m[i];

    // Points of the case rows_below_reference: m = 2, 12 units over 500 cells. The lowest y,
    // -0.347296, is the bottom edge, so the origin sits on y cell 0.347296 x 500 / 12 = 14.47,
    // rounded to 14; x = 1 on x cell 42.
    const std::vector<Point> rows{{0, 0},
                                  {1, 0},
                                  {2, 0},
                                  {0.984808, -0.173648},
                                  {1.969616, -0.347296},
                                  {0.984808, 0.173648},
                                  {1.969616, 0.347296}};
    int cx = -1, cy = -1;
    const auto cells_of = [&](const std::vector<Point>& points) {
        std::string cells;
        for (const Point& p : points) {
            EXPECT_TRUE(cell_of(p, extent_of(points), cx, cy));
            cells += strprintf("%d,%d ", cx, cy);
        }
        return cells;
    };
    EXPECT_EQ(cells_of(rows), "0,14 42,14 83,14 41,7 82,0 41,22 82,29 ");
    // Without the row below, the case two_rows: the same x cells, y from 0; ticks every 417.
    const std::vector<Point> two{rows[0], rows[1], rows[2], rows[5], rows[6]};
    EXPECT_EQ(cells_of(two), "0,0 42,0 83,0 41,7 82,14 ");
    EXPECT_EQ(tick_spacing(extent_of(two).size()), 417);
    // Left of the axis, or off the grid: no cell; -0.5 cells rounds to cell 0.
    const Extent ten = extent_of({{10, 0}});
    EXPECT_FALSE(cell_of({-1, 0}, ten, cx, cy));
    EXPECT_TRUE(cell_of({-0.02, 0}, ten, cx, cy) && cx == 0);
    EXPECT_FALSE(cell_of({1e300, 0}, ten, cx, cy));
    EXPECT_FALSE(cell_of({0, std::numeric_limits<double>::quiet_NaN()}, ten, cx, cy));
}

// The cells a mark sets, as "x,y" words in grid order.
std::string marked(const Grid& g) {
    std::string cells;
    for (int x = 0; x <= kLastCell; ++x)
        for (int y = 0; y <= kLastCell; ++y)
            if (g.at(x, y) == kPointGrey) cells += strprintf("%d,%d ", x, y);
    return cells;
}

TEST(Grid, MarksAndTheRenderedMap) {
    const std::tuple<int, int, const char*> marks[] = {
        {10, 20, "8,20 9,19 9,20 9,21 10,18 10,19 10,20 10,21 10,22 11,19 11,20 11,21 12,20 "},
        // On an axis the neighbours never reach the other side or the axis cells beside it;
        // at the far edges nothing is written outside the grid.
        {0, 0, "0,0 0,1 0,2 1,0 1,1 2,0 "},
        {1, 1, "1,1 1,2 1,3 2,1 2,2 3,1 "},
        {500, 500, "498,500 499,499 499,500 500,498 500,499 500,500 "}};
    for (const auto& [x, y, cells] : marks) {
        Grid g;
        mark_point(g, x, y);
        EXPECT_EQ(marked(g), cells);
    }

    // (-0.08, 5) falls on x cell -1: were it marked, its neighbour two cells right would land
    // on x cell 1. m = 10: ticks every 250 cells; marks win over ticks.
    const std::vector<Point> points{{-20, 0}, {-0.08, 5}, {0, 0}, {10, 0}};
    const Grid g = render_map(points, extent_of(points));
    EXPECT_EQ(marked(g),
              "0,0 0,1 0,2 1,0 1,1 2,0 248,0 249,0 249,1 250,0 250,1 250,2 251,0 "
              "251,1 252,0 ");
    const std::pair<int, int> axis[] = {{250, 3}, {0, 250}, {3, 250}, {0, 500}, {500, 0}};
    for (const auto& [x, y] : axis) EXPECT_EQ(g.at(x, y), kAxisGrey) << x << "," << y;
    EXPECT_EQ(g.at(4, 250), kBackground);
    EXPECT_EQ(g.at(1, 125), kBackground);

    std::string greys;  // rounded, within 0 to 255
    for (double grey : {-3.0, 0.0, 0.7, 17.4, 254.5, 255.0, 255.6, 300.0, std::nan("")})
        greys += std::to_string(grey_byte(grey)) + " ";
    EXPECT_EQ(greys, "0 0 1 17 255 255 255 255 0 ");

    // The PNG read back by libpng: 501 x 501 grey, top line first, each cell its grey byte.
    const std::string file = picture_png(g);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, file.data(), file.size()));
    ASSERT_EQ(image.width * 1000 + image.height, 501501u);
    ASSERT_EQ(image.format, PNG_FORMAT_GRAY);
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    for (const auto& [x, y] : {std::pair{0, 0}, {250, 3}, {4, 250}, {251, 1}, {500, 0}, {3, 499}})
        EXPECT_EQ(pixels[static_cast<size_t>((kLastCell - y) * kGridSize + x)],
                  grey_byte(g.at(x, y)))
            << x << "," << y;
}

}  // namespace
}  // namespace ped::map
