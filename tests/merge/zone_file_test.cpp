// Zone records: a line longer than the longest, and the rounding of the zone layout against
// printf and strtod (what counts as a record is pinned by the stored case zone_lines_skipped).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "common/reflection.hpp"
#include "common/text.hpp"
#include "harness.hpp"
#include "merge/pipeline/zone_file.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {
namespace {

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
