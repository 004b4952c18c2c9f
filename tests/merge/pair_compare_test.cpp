// Pair comparisons: the statistics and verdicts at their edges, which reflections count (the
// indexed matching against a scan of every pair of records), and a file that cannot be read.
// The reports themselves are pinned by the stored cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "harness.hpp"
#include "merge/pipeline/match.hpp"
#include "merge/pipeline/pair_compare.hpp"

namespace ped::merge {
namespace {

TEST(PairCompare, StatisticsAndVerdicts) {
    const auto I = PairKind::intensities;
    const auto good = Verdict::good, average = Verdict::average, no_good = Verdict::no_good;
    const struct {
        PairKind kind;
        std::vector<double> ratios, weights;
        double mean, sd, weighted_mean, d1, d2;
        int outliers;
        Verdict verdict;
    } cases[] = {
        {I, {1, 1}, {3, 5}, 1, 0, 1, 0, 0, 0, good},
        // Spread: sd = mean / 4 exactly is still GOOD, mean / 2 exactly AVERAGE; ratios at
        // mean +- sd exactly are no outliers.
        {I, {0.75, 1.25}, {1, 1}, 1, 0.25, 1, 0, 0, 0, good},
        {I, {0.5, 1.5}, {1, 1}, 1, 0.5, 1, 0, 0, 0, average},
        {I, {0.4, 1.6}, {1, 1}, 1, 0.6, 1, 0, 0, 0, no_good},
        {I, {1, 2, 3}, {1, 1, 2}, 2, std::sqrt(2.0 / 3), 2.25, 12.5, 100. / 9, 2, average},
        // The weighted mean more than 10 or 20 percent from the mean, or the mean more than
        // 10 or 20 percent from the weighted mean.
        {I,
         {0.75, 0.75, 1.25, 1.25},
         {1, 1, 115, 115},
         1,
         0.25,
         289. / 232,
         24.56897,
         19.72318,
         0,
         no_good},
        {I, {1, 2}, {78, 22}, 1.5, 0.5, 1.22, 18.66667, 22.95082, 0, no_good},
        {I, {1, 1.3}, {1, 9}, 1.15, 0.15, 1.27, 10.43478, 9.44882, 0, average},
        {I, {1, 1.3}, {13, 2}, 1.15, 0.15, 1.04, 9.56522, 10.57692, 0, average},
        // g (outliers -1: not checked, the spread is not exact): a spread above 0.25 percent is
        // AVERAGE, above 0.5 percent NO GOOD.
        {PairKind::g, {0.998, 1.002}, {1, 1}, 1, 0.002, 0, 0, 0, -1, good},
        {PairKind::g, {0.996, 1.004}, {1, 1}, 1, 0.004, 0, 0, 0, -1, average},
        {PairKind::g, {0.994, 1.006}, {1, 1}, 1, 0.006, 0, 0, 0, -1, no_good},
        {PairKind::g, {1.996, 2.004}, {1, 1}, 2, 0.004, 0, 0, 0, -1, good},  // spread / mean
    };
    for (const auto& c : cases) {
        std::vector<Retained> kept;
        for (size_t i = 0; i < c.ratios.size(); ++i)
            kept.push_back({0, 0, int(i), c.ratios[i], c.weights[i]});
        const PairStatistics st = pair_statistics(kept, c.kind);
        const std::string what = ::testing::PrintToString(c.ratios);
        EXPECT_NEAR(st.mean, c.mean, 1e-12) << what;
        EXPECT_NEAR(st.sd, c.sd, 1e-9) << what;
        EXPECT_NEAR(st.percent, 100 * c.sd / c.mean, 1e-7) << what;
        EXPECT_NEAR(st.weighted_mean, c.weighted_mean, 1e-12) << what;
        EXPECT_NEAR(st.d1, c.d1, 1e-5) << what;
        EXPECT_NEAR(st.d2, c.d2, 1e-5) << what;
        EXPECT_TRUE(c.outliers < 0 || st.outliers == c.outliers) << what << st.outliers;
        EXPECT_EQ(st.verdict, c.verdict) << what;
    }
}

// Common reflections as a scan of every record of one file against every record of the other.
// With a key, a record of `a` whose key an earlier record of `a` has takes no part, and a
// record meets only the first record of `b` with its key.
std::vector<Retained> scan(const std::vector<Reflection>& a, const std::vector<Reflection>& b,
                           PairKind kind, double sigma, const MatchKey& key) {
    const auto same = [&key](const Reflection& x, const Reflection& y) {
        return key ? key(x.h, x.k, x.l) == key(y.h, y.k, y.l)
                   : x.h == y.h && x.k == y.k && x.l == y.l;
    };
    std::vector<Retained> out;
    for (unsigned i = 0; i < a.size(); ++i) {
        const Reflection& x = a[i];
        if (key && std::any_of(a.begin(), a.begin() + i, [&](auto& e) { return same(e, x); }))
            continue;
        for (unsigned j = 0; j < b.size(); ++j) {
            const Reflection& y = b[j];
            if (!same(x, y)) continue;
            const double w = (x.i / x.sig + y.i / y.sig) * 0.5;
            const double ratio = kind == PairKind::intensities ? y.i / x.i : y.g / x.g;
            if (w > sigma && std::isfinite(w) && std::isfinite(ratio))
                out.push_back({x.h, x.k, x.l, ratio, w, i, j});
            if (key) break;
        }
    }
    return out;
}

// Random files full of repeats, mates and equivalents, with weights on sigma, zero errors and
// zero intensities now and then.
TEST(PairCompare, IndexedMatchingEqualsTheFullScan) {
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    const RunSymmetry tetragonal = legacy_symmetry(136);  // 4/mmm
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> index(-2, 2), value(0, 50);
    const auto record = [&](double sig) {
        return Reflection{index(rng),
                          index(rng),
                          index(rng) / 2,
                          double(value(rng)),
                          value(rng) % 25 ? sig : 0,
                          0.01 * value(rng)};
    };
    for (MatchMode mode : {MatchMode::hkl, MatchMode::friedel, MatchMode::laue}) {
        const MatchKey key = match_key(s, mode, tetragonal);
        for (int trial = 0; trial < 100; ++trial) {
            IndexedReflections a, b;
            for (int i = 0; i < 40; ++i) {
                a.records.push_back(record(2));
                b.records.push_back(record(3));
            }
            a.build_index(key);
            b.build_index(key);
            for (PairKind kind : {PairKind::intensities, PairKind::g}) {
                const auto fast = common_reflections(a, b, kind, 5);
                const auto slow = scan(a.records, b.records, kind, 5, key);
                ASSERT_EQ(fast.size(), slow.size());
                for (size_t i = 0; i < fast.size(); ++i) {
                    const auto &f = fast[i], &w = slow[i];
                    ASSERT_EQ(
                        std::tie(f.h, f.k, f.l, f.first_record, f.second_record, f.ratio, f.weight),
                        std::tie(w.h, w.k, w.l, w.first_record, w.second_record, w.ratio,
                                 w.weight));
                }
            }
        }
    }
    EXPECT_EQ(t.diag(), "");
}

TEST(PairCompare, UnreadableFileHasNoValueAndNoReport) {
    test::TempDir d;
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    PreparedFiles files(t.term());
    OutFile report;
    report.open(d / "report");
    EXPECT_FALSE(scaling(s, files, d / "none", d / "none", 0, report));
    EXPECT_FALSE(scaling2(s, files, d / "none", d / "none", 0, report));
    report.close();
    EXPECT_EQ(test::read_file(d / "report"), "");
    EXPECT_EQ(t.out(),
              "ERROR in prog \nerror: cannot open file\nERROR in prog \nerror: cannot open file\n");
}

}  // namespace
}  // namespace ped::merge
