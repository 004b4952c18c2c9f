// Tilt file rows and their angles against the reference row.
#include <gtest/gtest.h>

#include <cerrno>

#include <cmath>

#include "common/constants.hpp"
#include "common/text.hpp"
#include "harness.hpp"
#include "map/row_angles.hpp"
#include "map/tilt_file.hpp"

namespace ped::map {
namespace {

TEST(TiltFile, RowsInOrderBlankLinesSkippedExtraWordsIgnored) {
    test::TempDir d;
    test::write_file(d / "t", "0 0 1.0\r\n\n  \t\n10 -5 2.5 row b\n-3e1 4 0.5\n");
    std::vector<Row> rows;
    const TiltRead read = read_tilt_file(d / "t", rows);
    ASSERT_EQ(read.reason, 0);
    ASSERT_EQ(read.bad_line, 0);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].tilt1, 10);
    EXPECT_EQ(rows[1].tilt2, -5);
    EXPECT_EQ(rows[1].spacing, 2.5);
    EXPECT_EQ(rows[2].tilt1, -30);
    EXPECT_EQ(read_tilt_file(d / "none", rows).reason, ENOENT);
    EXPECT_EQ(read_tilt_file(d.path(), rows).reason, EISDIR);  // a folder
}

TEST(TiltFile, ALineWithoutThreeNumbersIsNamedByItsLineInTheFile) {
    test::TempDir d;
    std::vector<Row> rows;
    for (const char* bad : {"0 0\n", "0 zero 1\n", "1 2 nan\n", "1,5 2 3\n"}) {
        test::write_file(d / "t", std::string("1 2 3\n\n") + bad + "4 5 6\n");
        const TiltRead r = read_tilt_file(d / "t", rows);
        EXPECT_EQ(r.reason, 0) << bad;
        EXPECT_EQ(r.bad_line, 3) << bad;
    }
}

TEST(RowAngles, TwoRowExample) {
    const std::vector<Row> rows{{0, 0, 1.0}, {10, 0, 1.0}};
    const std::vector<double> a = row_angles(rows, 0);
    EXPECT_EQ(strprintf("%lf %lf", degrees(a[0]), degrees(a[1])), "0.000000 10.000000");
    EXPECT_EQ(strprintf("%lf", degrees(row_angles(rows, 1)[0])), "-10.000000");
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

}  // namespace
}  // namespace ped::map
