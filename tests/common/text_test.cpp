// Whole-word number conversion, line reading and checked output files.
#include <gtest/gtest.h>

#include <climits>

#include "common/files.hpp"
#include "common/outfile.hpp"
#include "common/records.hpp"
#include "common/text.hpp"
#include "harness.hpp"

namespace ped {
namespace {

TEST(Text, IntegersConvertOnlyWhole) {
    int v = 0;
    EXPECT_TRUE(parse_int("-12", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(parse_int(" +7\r", v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(parse_int("2147483647", v));
    EXPECT_EQ(v, INT_MAX);
    for (const char* bad : {"", "-", "1.0", "3x", "2147483648", "99999999999999999999", "0x10"})
        EXPECT_FALSE(parse_int(bad, v)) << bad;
}

TEST(Text, RealsConvertOnlyWholeAndFinite) {
    double v = 0;
    EXPECT_TRUE(parse_double("1e-3", v));
    EXPECT_DOUBLE_EQ(v, 1e-3);
    EXPECT_TRUE(parse_double("-.5", v));
    EXPECT_DOUBLE_EQ(v, -0.5);
    for (const char* bad : {"", "nan", "inf", "-infinity", "1e400", "1.2.3", "4,5", "abc"})
        EXPECT_FALSE(parse_double(bad, v)) << bad;
}

TEST(Text, RecordsReadAsScanfWouldButStrictly) {
    int i[3] = {};
    double r[3] = {};
    // Fixed-width values touching a negative neighbour still read.
    ASSERT_TRUE(scan_record("  12-103   7    1234.50-0.25     0.50000000", i, 3, r, 3));
    EXPECT_EQ(i[1], -103);
    EXPECT_EQ(i[2], 7);
    EXPECT_EQ(r[0], 1234.5);
    EXPECT_EQ(r[1], -0.25);
    EXPECT_TRUE(scan_record("1 2 3 4 5 6 and more words\r", i, 3, r, 3));
    for (const char* bad : {"1 2 3 4 5", "1 2 3.0 4 5 6", "1 2 3 4 5 6abc", "1 2 3 nan 5 6",
                            "1 2 3 4 5 1e999", "1 2 99999999999 4 5 6", "", "- 2 3 4 5 6"})
        EXPECT_FALSE(scan_record(bad, i, 3, r, 3)) << bad;
}

TEST(Text, ReadLineTakesAnyLengthAndWindowsLineEnds) {
    test::TempDir dir;
    const std::string long_line(100000, 'x');
    test::write_file(dir / "f", "a b\r\n" + long_line + "\n\nlast");
    std::FILE* f = std::fopen((dir / "f").c_str(), "rb");
    std::string line;
    ASSERT_TRUE(read_line(f, line));
    EXPECT_EQ(line, "a b");
    ASSERT_TRUE(read_line(f, line));
    EXPECT_EQ(line, long_line);
    ASSERT_TRUE(read_line(f, line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(read_line(f, line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(read_line(f, line));
    std::fclose(f);
}

TEST(OutFile, ReportsAFailedWrite) {
    OutFile full;
    ASSERT_TRUE(full.open("/dev/full"));
    full.printf("%s\n", std::string(100000, 'x').c_str());
    EXPECT_FALSE(full.close());

    test::TempDir dir;
    OutFile ok;
    ASSERT_TRUE(ok.open(dir / "a"));
    ok.printf("%4d\n", 7);
    EXPECT_TRUE(ok.close());
    EXPECT_EQ(test::read_file(dir / "a"), "   7\n");
    EXPECT_FALSE(ok.open(dir / "missing/a"));
}

TEST(Files, SameFileSeesThroughSpellings) {
    test::TempDir dir;
    test::write_file(dir / "a.txt", "x");
    EXPECT_TRUE(same_file(dir / "a.txt", dir.path() + "/./a.txt"));
    EXPECT_TRUE(same_file(dir / "new", dir.path() + "/sub/../new"));
    EXPECT_FALSE(same_file(dir / "a.txt", dir / "b.txt"));
}

}  // namespace
}  // namespace ped
