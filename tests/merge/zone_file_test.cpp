// Zone records: what counts as a record, values too wide for their columns, and the rounding
// of the zone layout against printf and strtod.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <random>

#include "common/reflection.hpp"
#include "common/text.hpp"
#include "harness.hpp"
#include "merge/pipeline/zone_file.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {
namespace {

TEST(ZoneFile, RecordsAndTheLinesSkipped) {
    test::TempDir dir;
    // Line 1 a comment, 3 and 4 blank; 5 to 7 no records (ten numbers, l not an integer, a
    // value not finite); 9 to 13 values too large for their columns; 14 and 15 values as large
    // as the prepared file takes (h at the start of its line, a minus sign before a value);
    // 16 to 20 values that would fill their columns there with no blank before them (k, l, I,
    // Sig(bg), g).
    test::write_file(dir / "z",
                     "; comment 1 2 3\n 1 2 3 10 1 0 2 0.5 0 600 500\r\n\n   \t\n"
                     "1 2 3 10 1 0 2 0.5 0 600\n1 2 3.5 10 1 0 2 0.5 0 600 500\n"
                     "1 2 3 nan 1 0 2 0.5 0 600 500\n"
                     "-4 0 1 -7.5 1 0 2 0.25 0 600 500 extra\n"
                     "10000 0 0 1 1 0 2 0.5 0 600 500\n0 -1000 0 1 1 0 2 0.5 0 600 500\n"
                     "0 0 1 1000000000000 1 0 2 0.5 0 600 500\n0 0 1 1 1 0 2 1000000 0 600 500\n"
                     "0 0 1 1 1 0 2 0.5 0 10000000 500\n"
                     "9999 -999 0 99999999999.99 1 0 2 99999.99999999 0 9999999.99 -999999.99\n"
                     "1 0 -999 1 -99999999999.99 0 2 0.5 0 0 0\n"
                     "0 1000 0 1 1 0 2 0.5 0 0 0\n0 0 1000 1 1 0 2 0.5 0 0 0\n"
                     "0 0 1 99999999999.996 1 0 2 0.5 0 0 0\n0 0 1 1 1 0 1e11 0.5 0 0 0\n"
                     "0 0 1 1 1 0 2 99999.999999996 0 0 0\n");
    std::vector<ZoneRecord> rs;
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    int skipped = 0;
    ASSERT_EQ(read_zone_file(s, dir / "z", rs, &skipped), 0);
    ASSERT_EQ(rs.size(), 4u);
    EXPECT_EQ(skipped, 3 + 5 + 5);
    EXPECT_EQ(rs[0].h + rs[1].h + rs[2].h + rs[3].h, 1 - 4 + 9999 + 1);
    EXPECT_EQ(rs[0].v[kY], 500);
    EXPECT_EQ(rs[1].v[kI], -7.5);
    const std::string d = t.diag();
    for (int line = 1; line <= 20; ++line) {
        const std::string at = "z:" + std::to_string(line) + ":";
        const bool no_record = line >= 5 && line <= 7,
                   too_large = (line >= 9 && line <= 13) || line >= 16;
        EXPECT_EQ(d.find(at) != std::string::npos, no_record || too_large) << line;
        EXPECT_EQ(d.find(at + " a value is too large") != std::string::npos, too_large) << line;
    }
    EXPECT_EQ(read_zone_file(s, dir / "missing", rs), ENOENT);
}

TEST(ZoneFile, ZoneListAndReflectionReadersSkipALineLongerThanTheLongest) {
    // Line 2 is one byte too long: skipped with a warning naming it, the lines after it read.
    test::TempDir dir;
    const std::string too_long = "\n" + std::string(kLongestLine + 1, '1') + "\n";
    test::write_file(dir / "z",
                     "0 0 2 10 1 0 2 0.5 0 6 5" + too_long + "1 0 0 10 1 0 2 0.2 0 6 5\n");
    test::write_file(dir / "r", "0 0 2 10 1 0.5" + too_long + "1 0 0 10 1 0.2\n");
    test::write_file(dir / "l", "za" + too_long + "zb\n");
    test::FakeTerminal t;
    std::vector<ZoneRecord> records;
    int skipped = 0;
    ASSERT_EQ(read_zone_file(Session{t.term(), english_catalogue}, dir / "z", records, &skipped),
              0);
    std::vector<Reflection> reflections;
    ASSERT_EQ(read_reflections(dir / "r", t.term(), reflections), 0);
    std::vector<Zone> zones;
    ASSERT_EQ(read_zone_list(t.term(), dir / "l", zones), 0);
    EXPECT_EQ(records.size() + reflections.size() + zones.size(), 6u);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(zones[1].name, "zb");
    for (const char* file : {"z", "r", "l"})
        EXPECT_NE(t.diag().find(dir / file + ":2: longer than 1048576 bytes, skipped"),
                  std::string::npos);
}

TEST(ZoneFile, LayoutRoundsEveryColumnAndWideValuesKeepTheirNeighbours) {
    ZoneRecord r;
    r.h = 1, r.k = -2, r.l = 3;
    r.v[0] = 1234.5678, r.v[4] = 0.123456789, r.v[6] = -0.001;
    ZoneRecord q = through_zone_layout(r);
    EXPECT_EQ(q.v[0], 1234.57);
    EXPECT_EQ(q.v[4], 0.12345679);
    EXPECT_TRUE(std::signbit(q.v[6]));  // "-0.00" reads back as -0
    EXPECT_EQ(zone_line(q), zone_line(r));
    r.k = 1234;  // fills its column: "   11234" on the line
    r.v[0] = 123456789012.5, r.v[1] = 98765432101.25;
    q = through_zone_layout(r);
    EXPECT_EQ(q.k, 1234);
    EXPECT_EQ(q.v[0], 123456789012.5);
    EXPECT_EQ(q.v[1], 98765432101.25);
}

TEST(ZoneFile, RoundingAgreesWithPrintfAndStrtod) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> wide(-5000, 5000), narrow(-3, 3);
    const auto reference = [](double v, int d) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", d, v);
        return std::strtod(text, nullptr);
    };
    const auto same = [&](double v, int d) {
        const double got = round_as_printed(v, d), want = reference(v, d);
        return got == want && std::signbit(got) == std::signbit(want);
    };
    for (int i = 0; i < 20000; ++i) {
        const double a = wide(rng), b = narrow(rng);
        // Values on and next to a tie as well.
        const double tie = std::round(a * 100) / 100 + 0.005;
        for (double v : {a, b, tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e9)})
            ASSERT_TRUE(same(v, 2)) << v;
        ASSERT_TRUE(same(b, 8)) << b;
    }
    for (double v : {0.125, -0.125, 2.675, 1e12 + 0.005, -0.0, 0.0}) EXPECT_TRUE(same(v, 2)) << v;
}

}  // namespace
}  // namespace ped::merge
