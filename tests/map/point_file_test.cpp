// The point file: which reflections of each row are written, in which layout, and how the
// file reads back.
#include <gtest/gtest.h>

#include <cerrno>

#include <cmath>
#include <random>

#include "common/text.hpp"
#include "harness.hpp"
#include "map/point_file.hpp"
#include "map/row_angles.hpp"

namespace ped::map {
namespace {

std::string point_file_of(const std::vector<Row>& rows, int reference, int repetitions) {
    test::TempDir d;
    OutFile out;
    EXPECT_TRUE(out.open(d / "p"));
    write_point_file(out, rows, row_angles(rows, reference), reference, repetitions);
    EXPECT_TRUE(out.close());
    return test::read_file(d / "p");
}

TEST(PointFile, WindowOfTheReferenceRow) {
    // The reference row covers the repetition count; a row at 90 degrees stops at y <= lim,
    // one at -90 degrees at y >= -lim; a row with half the spacing goes on to 2 x count.
    const std::vector<std::string> lines = test::lines_of(
        point_file_of({{0, 0, 2.0}, {90, 0, 2.0}, {-90, 0, 2.0}, {0, 30, 1.0}}, 0, 3));
    ASSERT_EQ(lines.size(), 4u + 4 + 4 + 7);
    EXPECT_EQ(lines[3], "6.000000\t0.000000\t\t0.000000");
    EXPECT_EQ(lines[7].substr(lines[7].find('\t')), "\t6.000000\t\t90.000000");
    EXPECT_EQ(lines[11].substr(lines[11].find('\t')), "\t-6.000000\t\t-90.000000");
    EXPECT_EQ(lines[12], "0\t0");
    EXPECT_EQ(lines.back(), "5.196152\t3.000000\t\t30.000000");
}

// Each row stops at its first point outside the window; that must give exactly the points a
// test of every reflection keeps, for any angle and any sign of the spacings.
TEST(PointFile, SameAsTestingEveryReflection) {
    std::mt19937 gen(6);
    std::uniform_real_distribution<double> tilt(-200, 200), spacing(-0.5, 3);
    for (int run = 0; run < 200; ++run) {
        std::vector<Row> rows;
        for (int i = 0; i < 5; ++i) rows.push_back({tilt(gen), tilt(gen), spacing(gen)});
        if (run % 3 == 0) rows[1].spacing = 0;
        const int reference = run % 5, repetitions = 1 + run % 7;
        const std::vector<double> angles = row_angles(rows, reference);
        const double lim = repetitions * rows[reference].spacing * 1.01;
        std::string expected;
        for (size_t i = 0; i < rows.size(); ++i) {
            expected += "0\t0\n";
            for (int j = 1; j <= 2 * repetitions; ++j) {
                const double x = std::cos(angles[i]) * (j * rows[i].spacing);
                const double y = std::sin(angles[i]) * (j * rows[i].spacing);
                if (x <= lim && y <= lim && y >= -lim)
                    expected += strprintf("%lf\t%lf\t\t%lf\n", x, y, degrees(angles[i]));
            }
        }
        ASSERT_EQ(point_file_of(rows, reference, repetitions), expected) << "run " << run;
    }
}

TEST(PointFile, ReadsBackXAndYOfEveryLine) {
    test::TempDir d;
    test::write_file(d / "p", "0\t0\n1.5\t-2.25\t\t7.000000\r\n\njunk line\n3\n-4 5\n");
    std::vector<Point> points;
    ASSERT_EQ(read_point_file(d / "p", points), 0);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].x, 1.5);
    EXPECT_EQ(points[1].y, -2.25);
    EXPECT_EQ(points[2].x, -4);
    EXPECT_EQ(read_point_file(d / "missing", points), ENOENT);
}

}  // namespace
}  // namespace ped::map
