// Merging statistics against their literal definitions on a generated data set: a known
// structure, three zones on known scales with noise, merged as the run merges.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <set>

#include "harness.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/reports/report_files.hpp"
#include "merge/reports/statistics.hpp"
#include "merge/reports/statistics_files.hpp"

namespace ped::merge {
namespace {

const UnitCell kCell{5.4, 7.6, 5.3, 90, 90, 90};

double g_of(int h, int k, int l) {
    return std::sqrt(h * h / (kCell.a * kCell.a) + k * k / (kCell.b * kCell.b) +
                     l * l / (kCell.c * kCell.c));
}

// Atoms at (+-x, +-y, +-z): a real structure factor with the symmetry of mmm.
double intensity(int h, int k, int l) {
    const double atoms[3][3] = {{0.11, 0.07, 0.31}, {0.27, 0.19, 0.05}, {0.41, 0.33, 0.22}};
    double f = 0;
    for (const auto& x : atoms)
        f += 8 * std::cos(2 * M_PI * h * x[0]) * std::cos(2 * M_PI * k * x[1]) *
             std::cos(2 * M_PI * l * x[2]);
    const double g = g_of(h, k, l);
    return 40 * f * f * std::exp(-1.5 * g * g) + 5;
}

// The shell table as the definitions read, from the list and the zones of its records.
ShellTable literal(const std::vector<Reflection>& list, const RunSymmetry& sym, int wanted,
                   double gmin, double gmax) {
    std::map<Triple, std::vector<size_t>> classes;
    for (size_t i = 0; i < list.size(); ++i)
        classes[sym.laue->representative(list[i].h, list[i].k, list[i].l)].push_back(i);
    struct Unique {
        double g, mean, file_sigma, propagated;
        std::vector<double> obs;
    };
    std::vector<Unique> unique;
    for (const auto& c : classes) {
        Unique u{0, 0, 0, 0, {}};
        double variances = 0;
        for (size_t i : c.second) {
            u.g += list[i].g / c.second.size();
            u.mean += list[i].i;
            u.file_sigma += list[i].sig;
            variances += list[i].sig * list[i].sig;
            u.obs.push_back(list[i].i);
        }
        const double n = static_cast<double>(c.second.size());
        u.mean /= n;
        u.file_sigma /= n;
        u.propagated = std::sqrt(variances) / n;
        unique.push_back(u);
    }
    double lo = 1e9, hi = 0;
    for (const Unique& u : unique) lo = std::min(lo, u.g), hi = std::max(hi, u.g);
    const int n_shells = std::min(wanted, static_cast<int>(unique.size()) / 20);
    std::vector<double> edge;
    for (int k = 0; k <= n_shells; ++k)
        edge.push_back(std::pow(
            std::pow(lo, 3) + k * (std::pow(hi, 3) - std::pow(lo, 3)) / n_shells, 1.0 / 3));
    const auto in_shell = [&](double g, int k) {
        return k < 0 ? true : (g >= edge[k] || k == 0) && (g < edge[k + 1] || k == n_shells - 1);
    };
    ShellTable t;
    for (int k = -1; k < n_shells; ++k) {
        ShellRow r;
        double sum_i = 0, sum_file = 0, sum_prop = 0, sum_ratio = 0, num = 0, meas = 0, pim = 0,
               den = 0;
        std::vector<double> y, e;
        for (const Unique& u : unique) {
            if (!in_shell(u.g, k)) continue;
            const double n = static_cast<double>(u.obs.size());
            r.n_unique += 1;
            r.n_obs += static_cast<int>(n);
            sum_i += u.mean, sum_file += u.file_sigma, sum_prop += u.propagated;
            sum_ratio += u.mean / u.propagated;
            if (n < 2) continue;
            double dev = 0, var = 0;
            for (double i : u.obs) dev += std::fabs(i - u.mean), var += (i - u.mean) * (i - u.mean);
            num += dev, meas += std::sqrt(n / (n - 1)) * dev, pim += std::sqrt(1 / (n - 1)) * dev;
            for (double i : u.obs) den += i;
            y.push_back(u.mean);
            e.push_back(var / (n - 1) / (n / 2));
        }
        r.multiplicity = static_cast<double>(r.n_obs) / r.n_unique;
        r.mean_i = sum_i / r.n_unique;
        r.mean_sigma_file = sum_file / r.n_unique;
        r.mean_sigma_propagated = sum_prop / r.n_unique;
        r.mean_i_over_sigma = sum_ratio / r.n_unique;
        r.r_merge = num / den, r.r_meas = meas / den, r.r_pim = pim / den;
        double my = 0, s2e = 0, s2y = 0;
        for (size_t j = 0; j < y.size(); ++j) my += y[j] / y.size(), s2e += e[j] / e.size();
        for (double v : y) s2y += (v - my) * (v - my) / (y.size() - 1);
        r.cc_half = (s2y - s2e / 2) / (s2y + s2e / 2);
        // Completeness: allowed classes with their g from the cell in the shell and the window.
        long possible = 0, measured = 0;
        std::set<Triple> seen;
        for (const auto& c : classes) seen.insert(c.first);
        std::set<Triple> counted;
        for (int h = -12; h <= 12; ++h)
            for (int kk = -12; kk <= 12; ++kk)
                for (int l = -12; l <= 12; ++l) {
                    const double g = g_of(h, kk, l);
                    if (g < lo || g > hi || !(gmin < g && g < gmax) || !sym.allowed(h, kk, l) ||
                        !in_shell(g, k) ||
                        !counted.insert(sym.laue->representative(h, kk, l)).second)
                        continue;
                    ++possible;
                    measured += seen.count(sym.laue->representative(h, kk, l));
                }
        r.n_possible = possible;
        r.completeness = static_cast<double>(measured) / possible;
        r.g_min = k < 0 ? lo : edge[k];
        r.g_max = k < 0 ? hi : edge[k + 1];
        if (k < 0)
            t.overall = r;
        else
            t.shells.push_back(r);
    }
    return t;
}

void expect_same(const ShellRow& a, const ShellRow& b, const std::string& where) {
    EXPECT_EQ(a.n_obs, b.n_obs) << where;
    EXPECT_EQ(a.n_unique, b.n_unique) << where;
    EXPECT_EQ(a.n_possible, b.n_possible) << where;
    int i = 0;
    for (double ShellRow::*v :
         {&ShellRow::g_min, &ShellRow::g_max, &ShellRow::multiplicity, &ShellRow::completeness,
          &ShellRow::mean_i, &ShellRow::mean_i_over_sigma, &ShellRow::mean_sigma_file,
          &ShellRow::mean_sigma_propagated, &ShellRow::r_merge, &ShellRow::r_meas, &ShellRow::r_pim,
          &ShellRow::cc_half})
        EXPECT_NEAR(a.*v, b.*v, 1e-11 * std::fabs(b.*v)) << where << " value " << i++;
}

TEST(Statistics, ShellTableOfAKnownStructureMatchesTheDefinitions) {
    const RunSymmetry sym = legacy_symmetry(62);
    std::mt19937 rng(2024);
    std::normal_distribution<double> noise(0, 1);
    std::uniform_real_distribution<double> pick(0, 1);
    const double scale[] = {1, 2.5, 0.4};  // of each zone; the run's factors undo them
    std::vector<Reflection> list;
    std::vector<int> zone_of;
    for (int z = 0; z < 3; ++z)
        for (int h = -8; h <= 8; ++h)
            for (int k = -11; k <= 11; ++k)
                for (int l = -8; l <= 8; ++l) {
                    // Zone z: the layers of index z within 1 of 0, as a zone axis records them.
                    const int layer = z == 0 ? h : z == 1 ? k : l;
                    const double g = g_of(h, k, l);
                    if (std::abs(layer) > 1 || g < 0.15 || g > 1.5 || !sym.allowed(h, k, l) ||
                        pick(rng) > 0.7)
                        continue;
                    const double raw = scale[z] * intensity(h, k, l) * (1 + 0.05 * noise(rng));
                    const double sigma = scale[z] * (std::sqrt(intensity(h, k, l)) + 1);
                    list.push_back(
                        {h, k, l, raw / scale[z], sigma / scale[z], g * (1 + 1e-4 * noise(rng))});
                    zone_of.push_back(z);
                }
    const MergeResult m = merge_equivalents(list, *sym.laue);
    const std::vector<MergedGroup> groups = merged_groups(m, list, zone_of);
    const CompletenessBasis basis{kCell, &sym, 0.1, 1.45};
    bool counted = false;
    const ShellTable t = shell_table(groups, 10, &basis, &counted);
    ASSERT_TRUE(counted);
    const ShellTable want = literal(list, sym, 10, 0.1, 1.45);
    ASSERT_EQ(t.shells.size(), 10u);
    ASSERT_EQ(want.shells.size(), 10u);
    expect_same(t.overall, want.overall, "overall");
    for (size_t k = 0; k < t.shells.size(); ++k)
        expect_same(t.shells[k], want.shells[k], "shell " + std::to_string(k + 1));
    // Noise of 5 % on every observation: the agreement a referee would expect.
    EXPECT_NEAR(t.overall.r_merge, 0.04 * 0.8, 0.01);
    EXPECT_GT(t.overall.cc_half, 0.95);
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
    // A name as the list file gives it, as JSON writes it, and as a JSON reader takes it (in
    // UTF-8): UTF-8 as it is; each byte of a sequence that is not UTF-8 (Latin-1 e acute, a lead
    // byte without its follower, an overlong '/', a surrogate) as its Latin-1 letter.
    const struct {
        std::string name, json, read;
    } cases[] = {
        {"z\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80", "\"z\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80\"",
         "z\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80"},
        {"z\xe9", "\"z\\u00e9\"", "z\xc3\xa9"},
        {"\xc3(", "\"\\u00c3(\"", "\xc3\x83("},
        {"\xc0\xaf\xed\xa0\x80", "\"\\u00c0\\u00af\\u00ed\\u00a0\\u0080\"",
         "\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xc2\x80"},
        {"a\"b\\c\x01\x7f", "\"a\\\"b\\\\c\\u0001\\u007f\"", "a\"b\\c\x01\x7f"},
    };
    std::string list = "[", want;
    for (const auto& c : cases) {
        EXPECT_EQ(json_string(c.name), c.json);
        list += json_string(c.name) + (&c == std::end(cases) - 1 ? "]" : ", ");
        want += c.read + "\n";
    }
    test::TempDir dir;
    const test::RunResult r =
        test::run_tool("python3", dir.path(),
                       {"-c",
                        "import json, sys\nfor s in json.loads(sys.stdin.buffer.read()):\n"
                        "    sys.stdout.buffer.write(s.encode() + b'\\n')"},
                       list);
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
