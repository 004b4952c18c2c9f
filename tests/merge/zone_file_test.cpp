// Zone records: what counts as a record, and the rounding of the zone layout.
#include <gtest/gtest.h>

#include <cerrno>

#include <cmath>
#include <cstdlib>
#include <random>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/zone_file.hpp"

namespace ped::merge {
namespace {

TEST(ZoneFile, RecordsCommentsBlankAndBadLines) {
    test::TempDir dir;
    test::write_file(dir / "z",
                     "; comment 1 2 3\n"
                     " 1 2 3 10 1 0 2 0.5 0 600 500\r\n"
                     "\n"
                     "   \t\n"
                     "1 2 3 10 1 0 2 0.5 0 600\n"        // ten numbers
                     "1 2 3.5 10 1 0 2 0.5 0 600 500\n"  // l not an integer
                     "1 2 3 nan 1 0 2 0.5 0 600 500\n"   // not finite
                     "-4 0 1 -7.5 1 0 2 0.25 0 600 500 extra\n");
    std::vector<ZoneRecord> rs;
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    ASSERT_EQ(read_zone_file(s, dir / "z", rs), 0);
    ASSERT_EQ(rs.size(), 2u);
    EXPECT_EQ(rs[0].h, 1);
    EXPECT_DOUBLE_EQ(rs[0].v[kY], 500);
    EXPECT_EQ(rs[1].h, -4);
    EXPECT_DOUBLE_EQ(rs[1].v[kI], -7.5);
    const std::string d = t.diag();
    for (const char* where : {"z:5:", "z:6:", "z:7:"}) EXPECT_NE(d.find(where), std::string::npos);
    EXPECT_EQ(d.find("z:3:"), std::string::npos);
    EXPECT_EQ(read_zone_file(s, dir / "missing", rs), ENOENT);
}

TEST(ZoneFile, LayoutRoundsEveryColumn) {
    ZoneRecord r;
    r.h = 1;
    r.k = -2;
    r.l = 3;
    r.v[0] = 1234.5678;
    r.v[4] = 0.123456789;
    r.v[6] = -0.001;
    const ZoneRecord q = through_zone_layout(r);
    EXPECT_EQ(q.v[0], 1234.57);
    EXPECT_EQ(q.v[4], 0.12345679);
    EXPECT_TRUE(std::signbit(q.v[6]));  // "-0.00" reads back as -0
    EXPECT_EQ(zone_line(q), zone_line(r));
}

TEST(ZoneFile, ValuesWiderThanTheirColumnsAreRefused) {
    test::TempDir dir;
    test::write_file(dir / "z",
                     "9999 -999 0 999999999999.99 1 0 2 999999.99999999 0 9999999.99 -999999.99\n"
                     "10000 0 0 1 1 0 2 0.5 0 600 500\n"
                     "0 -1000 0 1 1 0 2 0.5 0 600 500\n"
                     "0 0 1 1000000000000 1 0 2 0.5 0 600 500\n"
                     "0 0 1 1 1 0 2 1000000 0 600 500\n"
                     "0 0 1 1 1 0 2 0.5 0 10000000 500\n");
    std::vector<ZoneRecord> rs;
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    ASSERT_EQ(read_zone_file(s, dir / "z", rs), 0);
    ASSERT_EQ(rs.size(), 1u);
    EXPECT_EQ(rs[0].h, 9999);
    const std::string d = t.diag();
    for (const char* where : {"z:2:", "z:3:", "z:4:", "z:5:", "z:6:"})
        EXPECT_NE(d.find(std::string(where) + " a value is too large"), std::string::npos) << where;
}

TEST(ZoneFile, WideValuesDoNotRunIntoTheirNeighbours) {
    ZoneRecord r;
    r.h = 1;
    r.k = 1234;  // fills its column: "   11234" on the line
    r.v[0] = 123456789012.5;
    r.v[1] = 98765432101.25;
    const ZoneRecord q = through_zone_layout(r);
    EXPECT_EQ(q.k, 1234);
    EXPECT_EQ(q.v[0], 123456789012.5);
    EXPECT_EQ(q.v[1], 98765432101.25);
}

TEST(ZoneFile, RoundingAgreesWithPrintAndRead) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> wide(-5000, 5000), narrow(-3, 3);
    auto reference = [](double v, int d) {
        return std::strtod(strprintf("%.*f", d, v).c_str(), nullptr);
    };
    for (int i = 0; i < 20000; ++i) {
        const double a = wide(rng), b = narrow(rng);
        // Values on and next to a tie as well.
        const double tie = std::round(a * 100) / 100 + 0.005;
        for (double v : {a, b, tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e9)}) {
            ASSERT_EQ(round_as_printed(v, 2), reference(v, 2)) << v;
            ASSERT_EQ(std::signbit(round_as_printed(v, 2)), std::signbit(reference(v, 2))) << v;
        }
        ASSERT_EQ(round_as_printed(b, 8), reference(b, 8)) << b;
    }
    for (double v : {0.125, -0.125, 2.675, 1e12 + 0.005, -0.0, 0.0})
        EXPECT_EQ(round_as_printed(v, 2), reference(v, 2)) << v;
}

}  // namespace
}  // namespace ped::merge
