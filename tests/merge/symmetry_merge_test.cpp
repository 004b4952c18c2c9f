// Merging of equivalents (groups, means, multiplicities, Rint and the order by g) against the
// compaction of the list, and the exchange sort's order of equal keys against the sort itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "merge/pipeline/exchange_sort.hpp"
#include "merge/pipeline/symmetry_merge.hpp"

namespace ped::merge {
namespace {

// A space group of each of the twelve legacy Laue classes.
const int kClassNumbers[] = {2, 10, 47, 83, 123, 147, 162, 164, 175, 191, 200, 221};

Reflection refl(int h, int k, int l, double i, double g = 0.5, double sig = 1) {
    return {h, k, l, i, sig, g};
}

// A worked example; the differential test below covers the rest.
TEST(SymmetryMerge, FriedelMatesAndRepeatsInClassMinus1) {
    const MergeResult m = merge_equivalents(
        {refl(1, 2, 3, 10), refl(-1, -2, -3, 20), refl(1, 2, 3, 30)}, *legacy_laue_group(1));
    ASSERT_EQ(m.merged.size(), 1u);
    EXPECT_EQ(std::tie(m.merged[0].h, m.merged[0].k, m.merged[0].l, m.merged[0].i),
              std::make_tuple(1, 2, 3, 20.0));
    EXPECT_EQ(m.multiplicities, std::vector<int>{3});
    EXPECT_EQ(m.redundant, 2);
    EXPECT_NEAR(m.rint, 1.0 / 3, 1e-15);
    const MergeResult none = merge_equivalents({}, *legacy_laue_group(62));
    EXPECT_TRUE(none.merged.empty());
    EXPECT_EQ(none.rint, 0);
}

// The merging as the tool has always done it: each remaining record in turn takes out every
// later record equivalent to it, the records behind moving up.
MergeResult compact(std::vector<Reflection> list, const LaueGroup& laue) {
    MergeResult out;
    std::vector<Reflection> merged;
    double numerator = 0, denominator = 0;
    for (size_t p = 0; p < list.size(); ++p) {
        const auto eq = laue.equivalents(list[p].h, list[p].k, list[p].l);
        std::vector<Reflection> group{list[p]};
        for (size_t q = p + 1; q < list.size();) {
            if (!std::count(eq.begin(), eq.end(), Triple{list[q].h, list[q].k, list[q].l})) {
                ++q;
                continue;
            }
            group.push_back(list[q]);
            list.erase(list.begin() + static_cast<long>(q));
        }
        Reflection r = list[p];
        r.i = r.sig = r.g = 0;
        for (const Reflection& m : group) r.i += m.i, r.sig += m.sig, r.g += m.g;
        const double u = static_cast<double>(group.size()), sum = r.i;
        r.i /= u, r.sig /= u, r.g /= u;
        double dev = 0;
        for (const Reflection& m : group) dev += std::fabs(m.i - r.i);
        numerator += dev / u;
        denominator += sum / u;
        merged.push_back(r);
        out.multiplicities.push_back(static_cast<int>(group.size()));
        out.redundant += static_cast<int>(group.size()) - 1;
    }
    std::vector<double> g;
    for (const Reflection& r : merged) g.push_back(r.g);
    for (size_t i : exchange_sort_order_plain(g)) out.merged.push_back(merged[i]);
    out.rint = denominator != 0 ? numerator / denominator : 0;
    return out;
}

TEST(SymmetryMerge, SameResultAsCompactingTheList) {
    std::mt19937 rng(21);
    std::uniform_int_distribution<int> index(-3, 3), value(1, 99), gstep(1, 6);
    for (int number : kClassNumbers)
        for (int trial = 0; trial < 40; ++trial) {
            const LaueGroup laue = *legacy_laue_group(number);
            std::vector<Reflection> list;
            for (int i = 0; i < 60; ++i)
                list.push_back(refl(index(rng), index(rng), index(rng), value(rng),
                                    0.25 * gstep(rng), 0.5 * value(rng)));
            const MergeResult fast = merge_equivalents(list, laue);
            const MergeResult slow = compact(list, laue);
            ASSERT_EQ(fast.multiplicities, slow.multiplicities) << number;
            ASSERT_EQ(fast.redundant, slow.redundant);
            ASSERT_EQ(fast.rint, slow.rint);
            ASSERT_EQ(fast.merged.size(), slow.merged.size());
            for (size_t i = 0; i < fast.merged.size(); ++i) {
                const Reflection &a = fast.merged[i], &b = slow.merged[i];
                ASSERT_EQ(std::tie(a.h, a.k, a.l, a.i, a.sig, a.g),
                          std::tie(b.h, b.k, b.l, b.i, b.sig, b.g));
            }
        }
}

// The order of equal keys left by the exchange sort, computed fast, against the sort itself.
TEST(ExchangeSort, SameOrderAsTheExchangeSort) {
    // A, B, C with keys 2, 2, 1 come out C, B, A.
    EXPECT_EQ(exchange_sort_order({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order_plain({2, 2, 1}), (std::vector<size_t>{2, 1, 0}));
    EXPECT_EQ(exchange_sort_order({1, 1, 0, 1, 0}), (std::vector<size_t>{2, 4, 0, 3, 1}));
    // Empty, single, sorted, reversed, constant and paired inputs, and -0 equal to 0.
    std::vector<std::vector<double>> inputs = {{}, {5}, {0.0, -0.0, -1, 0.0}};
    for (int n : {2, 50, 1000})
        for (int kind = 0; kind < 4; ++kind) {  // rising, falling, constant, in pairs
            std::vector<double> keys;
            for (int i = 0; i < n; ++i)
                keys.push_back(kind == 0 ? i : kind == 1 ? n - i : kind == 2 ? 3 : (n - i) / 2);
            inputs.push_back(keys);
        }
    // Random inputs full of ties.
    std::mt19937 rng(12345);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = std::uniform_int_distribution<int>(0, trial < 2500 ? 40 : 700)(rng);
        const int values = std::uniform_int_distribution<int>(1, trial % 3 == 0 ? 3 : 60)(rng);
        std::vector<double> keys;
        for (int i = 0; i < n; ++i)
            keys.push_back(0.25 * std::uniform_int_distribution<int>(0, values)(rng));
        inputs.push_back(keys);
    }
    for (size_t i = 0; i < inputs.size(); ++i)
        ASSERT_EQ(exchange_sort_order(inputs[i]), exchange_sort_order_plain(inputs[i])) << i;
}

}  // namespace
}  // namespace ped::merge
