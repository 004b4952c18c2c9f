// Merging statistics against values worked out by hand and against independent definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "harness.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/reports/statistics.hpp"
#include "merge/reports/statistics_files.hpp"

namespace ped::merge {
namespace {

// Three unique reflections of a cubic crystal (a = 5, g(h00) = h/5), observed in zones 0 and 1:
//   1 0 0: I 10 (sigma 2, zone 0), 14 (2, zone 1)            mean 12, |I - <I>| 2 + 2 = 4
//   2 0 0: I 20 (3, zone 0), 26 (4, zone 1), 32 (12, zone 1)  mean 26, 6 + 0 + 6 = 12
//   3 0 0: I 50 (5, zone 0)                                   once: outside the R values
// Rmerge (4 + 12) / (24 + 78); Rmeas weighs the sums by sqrt(n/(n-1)): sqrt(2) and sqrt(3/2);
// Rpim by sqrt(1/(n-1)): 1 and sqrt(1/2). CC1/2: the means 12 and 26 vary by s2y = 98; the
// sample variances 8 and 36 over n/2 give 8 and 24, s2e = 16: (98 - 8) / (98 + 8).
// Propagated sigmas sqrt(8)/2, 13/3 and 5, so I/sigma 6 sqrt(2), 6 and 10; the file's sigmas
// (the members' means) 2, 19/3 and 5.
const std::vector<MergedGroup> kGroups{
    {1, 0, 0, 12, 2, 0.2, {{10, 2, 0}, {14, 2, 1}}},
    {2, 0, 0, 26, 19.0 / 3, 0.4, {{20, 3, 0}, {26, 4, 1}, {32, 12, 1}}},
    {3, 0, 0, 50, 5, 0.61, {{50, 5, 0}}}};

TEST(Statistics, ShellRowWorkedByHand) {
    const RunSymmetry sym = legacy_symmetry(221);  // P m -3 m: no condition
    // Classes of m-3m with 0.25 < g <= 0.61, h^2 + k^2 + l^2 from 2 to 9: 110 111 200 210 211
    // 220 221 300 (1 0 0 is below the window); 200 and 300 measured.
    const CompletenessBasis basis{{5, 5, 5, 90, 90, 90}, &sym, 0.25, 100};
    const ShellTable t = shell_table(kGroups, 10, &basis);
    ASSERT_EQ(t.shells.size(), 1u);  // 3 unique reflections: one shell
    const ShellRow& r = t.overall;
    EXPECT_EQ(r.n_obs, 6);
    EXPECT_EQ(r.n_unique, 3);
    EXPECT_EQ(r.n_possible, 8);
    const double want[][2] = {{r.multiplicity, 2},
                              {r.completeness, 2.0 / 8},
                              {r.mean_i, 88.0 / 3},
                              {r.mean_i_over_sigma, (6 * std::sqrt(2) + 16) / 3},
                              {r.mean_sigma_file, (2 + 19.0 / 3 + 5) / 3},
                              {r.mean_sigma_propagated, (std::sqrt(2) + 13.0 / 3 + 5) / 3},
                              {r.r_merge, 16.0 / 102},
                              {r.r_meas, (4 * std::sqrt(2) + 12 * std::sqrt(1.5)) / 102},
                              {r.r_pim, (4 + 12 * std::sqrt(0.5)) / 102},
                              {r.cc_half, 90.0 / 106},
                              {r.g_min, 0.2},
                              {r.g_max, 0.61},
                              {t.shells[0].r_meas, r.r_meas}};
    for (const auto& [got, value] : want) EXPECT_NEAR(got, value, 1e-14 * value) << value;
}

TEST(Statistics, ZoneRowsWorkedByHand) {
    // Zone 0: I/sigma 5, 20/3, 10; R over 1 0 0 and 2 0 0: (2 + 6) / (10 + 20).
    // Zone 1: I/sigma 7, 6.5, 8/3; R: (2 + 0 + 6) / (14 + 26 + 32). Both zones meet in 1 0 0
    // and 2 0 0; zone 0 alone measured 3 0 0 as well.
    const std::vector<ZoneRow> rows = zone_rows(kGroups, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].records, 3);
    EXPECT_EQ(rows[1].records, 3);
    EXPECT_NEAR(rows[0].mean_i_over_sigma, (5 + 20.0 / 3 + 10) / 3, 1e-14);
    EXPECT_NEAR(rows[1].mean_i_over_sigma, (7 + 6.5 + 8.0 / 3) / 3, 1e-14);
    EXPECT_NEAR(rows[0].r_zone, 8.0 / 30, 1e-15);
    EXPECT_NEAR(rows[1].r_zone, 8.0 / 72, 1e-15);
    EXPECT_EQ(rows[0].shared, (std::vector<int>{3, 2}));
    EXPECT_EQ(rows[1].shared, (std::vector<int>{2, 2}));
}

TEST(Statistics, EqualVolumeShells) {
    // From 1 to 2 in 7 shells: g^3 goes from 1 to 8 in steps of 1.
    const std::vector<double> edges = shell_edges(1, 2, 7);
    ASSERT_EQ(edges.size(), 8u);
    for (int k = 0; k <= 7; ++k) EXPECT_NEAR(edges[k], std::cbrt(1 + k), 1e-15) << k;
    const struct {
        double g;
        int shell;
    } cases[] = {{1, 0}, {1.25, 0}, {1.5, 2}, {std::cbrt(5), 4}, {2, 6}};
    for (const auto& c : cases) EXPECT_EQ(shell_of(c.g, edges), c.shell) << c.g;
}

TEST(Statistics, CcHalfIsTheCorrelationOfRandomHalfSets) {
    // 4000 reflections measured 4 times with noise: the sigma-tau value against the Pearson
    // correlation of the means of two random halves of each reflection's observations.
    std::mt19937 rng(11);
    std::exponential_distribution<double> wilson(0.01);
    std::normal_distribution<double> noise(0, 1);
    std::vector<MergedGroup> groups;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int n = 0; n < 4000; ++n) {
        const double truth = wilson(rng), sigma = 10 + 0.3 * truth;
        MergedGroup m{n, 0, 0, 0, 0, 1, {}};
        for (int j = 0; j < 4; ++j) m.obs.push_back({truth + sigma * noise(rng), sigma, 0});
        std::shuffle(m.obs.begin(), m.obs.end(), rng);
        const double x = (m.obs[0].i + m.obs[1].i) / 2, y = (m.obs[2].i + m.obs[3].i) / 2;
        sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
        groups.push_back(m);
    }
    const double n = 4000;
    const double pearson =
        (sxy - sx * sy / n) / std::sqrt((sxx - sx * sx / n) * (syy - sy * sy / n));
    EXPECT_NEAR(shell_table(groups, 1, nullptr).overall.cc_half, pearson, 0.01);
    EXPECT_LT(pearson, 0.95);  // the noise matters: the two are not both near 1
}

TEST(Statistics, FewerShellsForFewDataAndNoValueWithoutRepeats) {
    const int cases[][3] = {{0, 10, 1}, {19, 10, 1}, {45, 10, 2}, {1000, 10, 10}, {1000, 3, 3}};
    for (const auto& c : cases) EXPECT_EQ(shell_count(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    const std::vector<MergedGroup> single{{1, 0, 0, 10, 1, 0.2, {{10, 1, 0}}},
                                          {2, 0, 0, 20, 2, 0.4, {{20, 2, 0}}}};
    const ShellTable t = shell_table(single, 10, nullptr);
    EXPECT_EQ(t.shells.size(), 1u);
    EXPECT_TRUE(std::isnan(t.overall.r_merge));
    EXPECT_TRUE(std::isnan(t.overall.cc_half));
    EXPECT_TRUE(std::isnan(t.overall.completeness));
    EXPECT_EQ(t.overall.mean_i_over_sigma, 10);
}

TEST(StatisticsJson, NamesReadBackWithPythonsJsonModule) {
    // A name as the list file gives it and as a JSON reader takes it back (in UTF-8): UTF-8 as
    // it is; each byte of a sequence that is not UTF-8 (Latin-1 e acute, a lead byte without
    // its follower, an overlong '/', a surrogate) as its Latin-1 letter; quotes, backslashes
    // and control characters as they are.
    const std::pair<std::string, std::string> cases[] = {
        {"z\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80", "z\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80"},
        {"z\xe9", "z\xc3\xa9"},
        {"\xc3(", "\xc3\x83("},
        {"\xc0\xaf\xed\xa0\x80", "\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xc2\x80"},
        {"a\"b\\c\x01\x7f", "a\"b\\c\x01\x7f"},
    };
    std::vector<ZoneRow> rows;
    std::string want;
    for (const auto& [name, read] : cases) {
        rows.emplace_back().name = name;
        want += read + "\n";
    }
    test::TempDir dir;
    const test::RunResult r =
        test::run_tool("python3", dir.path(),
                       {"-c",
                        "import json, sys\nfor z in json.loads(sys.stdin.buffer.read())['zones']:\n"
                        "    sys.stdout.buffer.write(z['name'].encode() + b'\\n')"},
                       stats_json({}, rows, {}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, want);
}

TEST(Statistics, CompletenessLeftOutForAnIndexBoxTooLargeToCount) {
    // The box is bounded before its limits become integers: 9999 angstrom and g 10^6 overflow
    // an int; 51^3 triples are counted, 301^3 (above 2 x 10^7) are not.
    const RunSymmetry sym = legacy_symmetry(221);
    const struct {
        double a, g;
        bool counted;
    } cases[] = {{9999, 1e6, false}, {5, 1e6, false}, {9999, 0.5, false},
                 {100, 1.5, false},  {50, 0.5, true}, {4, 0.5, true}};
    for (const auto& c : cases) {
        const std::vector<MergedGroup> groups{{1, 0, 0, 10, 1, c.g, {{10, 1, 0}}}};
        const CompletenessBasis basis{{c.a, c.a, c.a, 90, 90, 90}, &sym, 0, 2e6};
        bool counted = !c.counted;
        shell_table(groups, 10, &basis, &counted);
        EXPECT_EQ(counted, c.counted) << c.a << " " << c.g;
    }
}

}  // namespace
}  // namespace ped::merge
