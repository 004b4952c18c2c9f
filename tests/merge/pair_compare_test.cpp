// Pair comparisons: which reflections count, the statistics, the verdicts and the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/text.hpp"
#include "harness.hpp"
#include "merge/match.hpp"
#include "merge/messages.hpp"
#include "merge/pair_compare.hpp"

namespace ped::merge {
namespace {

// Runs one comparison on two files; returns the value, the report and the console.
struct Outcome {
    std::optional<double> value;
    std::string report, console;
};

Outcome compare(PairKind kind, const std::vector<Reflection>& a, const std::vector<Reflection>& b,
                double sigma = 0) {
    test::TempDir d;
    for (const auto& [name, rs] : {std::pair{"a", a}, std::pair{"b", b}}) {
        std::string text;
        for (const Reflection& r : rs)
            text += strprintf(kReflectionLayout, r.h, r.k, r.l, r.i, r.sig, r.g);
        test::write_file(d / name, text);
    }
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    PreparedFiles files(t.term());
    OutFile report;
    report.open(d / "report");
    Outcome run;
    run.value = (kind == PairKind::intensities ? scaling : scaling2)(s, files, d / "a", d / "b",
                                                                     sigma, report, nullptr);
    report.close();
    run.report = test::read_file(d / "report");
    run.console = t.out();
    // Names in the texts are the full paths: show them as a and b.
    for (std::string* text : {&run.report, &run.console})
        for (const char* name : {"a", "b"}) {
            const std::string path = d / name;
            for (size_t at; (at = text->find(path)) != std::string::npos;)
                text->replace(at, path.size(), name);
        }
    return run;
}

const std::vector<Reflection> kZone = {{1, 0, 0, 100, 10, 0.5}, {0, 2, 0, 300, 10, 0.8}};

TEST(PairCompare, IdenticalZonesAreGood) {
    const Outcome r = compare(PairKind::intensities, kZone, kZone);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(*r.value, 1);
    EXPECT_EQ(r.console,
              "   1   0   0    1.000      10.000\n"
              "   0   2   0    1.000      30.000\n"
              "Number of common reflexions between a and b : 2\n\n");
    EXPECT_EQ(r.report,
              "   1   0   0     1.000     10.000\n"
              "   0   2   0     1.000     30.000\n"
              "Number of common reflexions between a and b : 2\n"
              "The mean value is : 1.000000\nThe standart deviation is : 0.000000\n"
              "The ratio is : 0.00 percent\n"
              "There are 0 intensities ratio(s) out of the mean +or- the standart deviation\n\n"
              "The weight mean is : 1.000000\n\n"
              "The relative difference between the mean and the weight mean are : \n"
              "   0.00 et    0.00\n\n"
              "!!!!!!!!!!!!!!!!!\n!!! GOOD between a et b !!!\n!!!!!!!!!!!!!!!!!\n\n\n");
}

TEST(PairCompare, GReportHasNoWeightedMean) {
    const Outcome r = compare(PairKind::g, kZone, kZone);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(r.console,
              "   1   0   0    1.000\n   0   2   0    1.000\n"
              "Number of common refections between a and b : 2\n\n");
    EXPECT_EQ(r.report,
              "   1   0   0     1.000\n   0   2   0     1.000\n"
              "Number of common refections between a and b : 2\n"
              "The mean value is : 1.000000\nThe standart deviation is : 0.000000\n"
              "The ratio is : 0.00 pourcent\n"
              "There are 0 intensities ratio(s) out of the mean +or- the standart deviation\n\n"
              "!!!!!!!!!!!!!!!!!\n!!! GOOD between a et b !!!\n!!!!!!!!!!!!!!!!!\n\n\n");
}

TEST(PairCompare, WhichReflectionsAreCommon) {
    const std::vector<Reflection> a = {{1, 2, 3, 100, 10, 0.5},    // weight exactly sigma
                                       {2, 0, 0, 100, 10, 0.5},    // only a mate in b
                                       {0, 0, 4, 100, 10, 0.5},    // twice in b
                                       {0, 3, 0, 100, 0, 0.5},     // zero error: no weight
                                       {0, 5, 0, 0.001, 1, 0.5}};  // reads back as 0
    const std::vector<Reflection> b = {{1, 2, 3, 100, 10, 0.5}, {-2, 0, 0, 100, 10, 0.5},
                                       {0, 0, 4, 200, 10, 0.5}, {0, 3, 0, 100, 10, 0.5},
                                       {0, 0, 4, 300, 10, 0.5}, {0, 5, 0, 50, 1, 0.5}};
    const Outcome r = compare(PairKind::intensities, a, b, 10);
    EXPECT_EQ(r.console.substr(0, r.console.find("Number")),
              "   0   0   4    2.000      15.000\n   0   0   4    3.000      20.000\n");
    EXPECT_NE(r.report.find("between a and b : 2\n"), std::string::npos);
    EXPECT_EQ(r.report.find("nan"), std::string::npos);
    EXPECT_EQ(r.report.find("inf"), std::string::npos);
}

TEST(PairCompare, NoCommonReflectionHasNoValue) {
    const Outcome r = compare(PairKind::intensities, kZone, {{3, 3, 3, 1, 1, 1}});
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.report, "Number of common reflexions between a and b : 0\n" + std::string(64, '!') +
                            "\n!!!NO GOOD between a et b !!!\n" + std::string(64, '!') + "\n\n\n");
    const Outcome g = compare(PairKind::g, kZone, {});
    EXPECT_FALSE(g.value);
    EXPECT_NE(g.report.find("!!! NO GOOD between a et b !!!\n"), std::string::npos);
}

TEST(PairCompare, UnreadableFileHasNoValueAndNoReport) {
    test::TempDir d;
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    PreparedFiles files(t.term());
    OutFile report;
    report.open(d / "report");
    EXPECT_FALSE(scaling(s, files, d / "none", d / "none", 0, report));
    report.close();
    EXPECT_EQ(test::read_file(d / "report"), "");
    EXPECT_EQ(t.out(), "ERROR in prog \nerror: cannot open file\n");
}

TEST(PairCompare, Verdicts) {
    // Mean 1.0 and weighted mean 1.29: more than 20 percent apart.
    std::vector<Reflection> a, b;
    for (int i = 0; i < 10; ++i) {
        a.push_back({i, 1, 0, 100, i < 5 ? 100.0 : 1.0, 0.5});
        b.push_back({i, 1, 0, i < 5 ? 70.0 : 130.0, i < 5 ? 70.0 : 1.0, 0.5});
    }
    Outcome r = compare(PairKind::intensities, a, b);
    EXPECT_NE(r.report.find("!!!NO GOOD between a et b !!!"), std::string::npos) << r.report;

    // g ratios spread by 0.4 percent: AVERAGE; by 0.6 percent: NO GOOD; 0.2 percent: GOOD.
    for (const auto& [spread, verdict] :
         {std::pair{0.004, "!!! AVERAGE between"}, std::pair{0.006, "!!! NO GOOD between"},
          std::pair{0.002, "!!! GOOD between"}}) {
        std::vector<Reflection> ga, gb;
        for (int i = 0; i < 10; ++i) {
            ga.push_back({i, 0, 1, 100, 10, 1.0});
            gb.push_back({i, 0, 1, 100, 10, i % 2 ? 1 + spread : 1 - spread});
        }
        r = compare(PairKind::g, ga, gb);
        EXPECT_NE(r.report.find(verdict), std::string::npos) << spread << "\n" << r.report;
    }
}

TEST(PairCompare, StatisticsOfSpreadRatios) {
    const std::vector<Retained> kept = {{0, 0, 1, 1.0, 1}, {0, 0, 2, 2.0, 1}, {0, 0, 3, 3.0, 2}};
    const PairStatistics st = pair_statistics(kept, PairKind::intensities);
    EXPECT_DOUBLE_EQ(st.mean, 2);
    EXPECT_NEAR(st.sd, std::sqrt(2.0 / 3), 1e-12);
    EXPECT_EQ(st.outliers, 2);
    EXPECT_DOUBLE_EQ(st.weighted_mean, 9.0 / 4);
    EXPECT_DOUBLE_EQ(st.d1, 12.5);
    EXPECT_EQ(st.verdict, Verdict::average);
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

TEST(PairCompare, IndexedMatchingEqualsTheFullScan) {
    test::FakeTerminal t;
    const Session s{t.term(), english_catalogue};
    const RunSymmetry tetragonal = legacy_symmetry(136);  // 4/mmm
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> index(-2, 2), value(1, 50);
    for (MatchMode mode : {MatchMode::hkl, MatchMode::friedel, MatchMode::laue}) {
        const MatchKey key = match_key(s, mode, tetragonal);
        for (int trial = 0; trial < 100; ++trial) {
            std::vector<Reflection> a, b;
            for (int i = 0; i < 40; ++i) {
                a.push_back({index(rng), index(rng), index(rng) / 2, double(value(rng)), 2,
                             0.01 * value(rng)});
                b.push_back({index(rng), index(rng), index(rng) / 2, double(value(rng)), 3,
                             0.01 * value(rng)});
            }
            IndexedReflections ia, ib;
            ia.records = a;
            ib.records = b;
            ia.build_index(key);
            ib.build_index(key);
            for (PairKind kind : {PairKind::intensities, PairKind::g}) {
                const auto fast = common_reflections(ia, ib, kind, 5);
                const auto slow = scan(a, b, kind, 5, key);
                ASSERT_EQ(fast.size(), slow.size());
                for (size_t i = 0; i < fast.size(); ++i) {
                    const auto& f = fast[i];
                    const auto& w = slow[i];
                    ASSERT_EQ(std::tie(f.h, f.k, f.l, f.first_record, f.second_record),
                              std::tie(w.h, w.k, w.l, w.first_record, w.second_record));
                    ASSERT_EQ(f.ratio, w.ratio);
                    ASSERT_EQ(f.weight, w.weight);
                }
            }
        }
    }
    EXPECT_EQ(t.diag(), "");
}

}  // namespace
}  // namespace ped::merge
