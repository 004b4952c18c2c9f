// Least squares on the pair tables: the worked cases, and pairs without a value.
#include <gtest/gtest.h>

#include "merge/scale_factors.hpp"

namespace ped::merge {
namespace {

const char* kPivot = "pivot GAUSS inversion impossible : division by 0\n";

PairTable table(const std::vector<std::vector<double>>& rows) {
    PairTable t(static_cast<int>(rows.size()));
    for (int i = 0; i < t.n; ++i)
        for (int j = 0; j < t.n; ++j) t.at(i, j) = rows[i][j];
    return t;
}

void expect_rows(const std::vector<std::vector<double>>& got,
                 const std::vector<std::vector<double>>& want, double tolerance) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        for (size_t j = 0; j < got[i].size(); ++j)
            EXPECT_NEAR(got[i][j], want[i][j], tolerance) << i << " " << j;
}

TEST(ScaleFactors, OneTwoAndThreeConsistentZones) {
    FactorSolution f = solve_factors(table({{1}}), kPivot);
    expect_rows(f.normal, {{0}}, 0);
    expect_rows(f.k, {{1}}, 0);
    EXPECT_EQ(f.factors, std::vector<double>{1});
    EXPECT_TRUE(f.kept_one.empty());

    f = solve_factors(table({{1, 2}, {0.5, 1}}), kPivot);
    expect_rows(f.normal, {{1.25, -2.5}, {-2.5, 5}}, 0);
    expect_rows(f.k, {{1, 0.5}, {2, 1}}, 1e-15);
    expect_rows(f.normalised, {{1, 0.5}, {1, 0.5}}, 1e-15);
    EXPECT_EQ(f.factors, (std::vector<double>{1, 0.5}));

    f = solve_factors(table({{1, 2, 4}, {0.5, 1, 2}, {0.25, 0.5, 1}}), kPivot);
    expect_rows(f.normalised, {{1, 0.5, 0.25}, {1, 0.5, 0.25}, {1, 0.5, 0.25}}, 1e-12);
    expect_rows({f.factors}, {{1, 0.5, 0.25}}, 1e-12);
}

TEST(ScaleFactors, ThreeInconsistentZones) {
    const FactorSolution f =
        solve_factors(table({{1, 2, 3}, {0.5, 1, 1.6}, {0.3, 0.6, 1}}), kPivot);
    expect_rows(f.normal, {{2.34, -2.5, -3.3}, {-2.5, 6.36, -2.2}, {-3.3, -2.2, 13.56}}, 1e-12);
    expect_rows(f.k, {{1, 0.505641, 0.325399}, {1.975010, 1, 0.642886}, {3.068440, 1.552060, 1}},
                5e-7);
    expect_rows({f.factors}, {{1, 0.505953, 0.325689}}, 5e-7);
}

TEST(ScaleFactors, PairsWithoutValueAreLeftOut) {
    // Only one direction of the pair (0, 1) has a value: its terms alone make the sums.
    PairTable t = table({{1, 2}, {0, 1}});
    t.at(1, 0).reset();
    FactorSolution f = solve_factors(t, kPivot);
    expect_rows(f.normal, {{1, -2}, {-2, 4}}, 0);
    EXPECT_EQ(f.factors, (std::vector<double>{1, 0.5}));

    // Zones 1 and 2 linked only through zone 3, which comes after them.
    t = table({{1, 2, 4}, {0.5, 1, 2}, {0.25, 0.5, 1}});
    t.at(0, 1).reset();
    t.at(1, 0).reset();
    f = solve_factors(t, kPivot);
    expect_rows({f.factors}, {{1, 0.5, 0.25}}, 1e-12);
    EXPECT_TRUE(f.kept_one.empty() && f.not_tied.empty());

    // A zone that shares nothing keeps 1 and leaves the others as they were.
    t = table({{1, 2, 0}, {0.5, 1, 0}, {0, 0, 0}});
    for (int i = 0; i < 3; ++i) {
        t.at(i, 2).reset();
        t.at(2, i).reset();
    }
    f = solve_factors(t, kPivot);
    EXPECT_EQ(f.factors, (std::vector<double>{1, 0.5, 1}));
    EXPECT_EQ(f.kept_one, std::vector<int>{2});
    for (const auto& row : f.k)
        for (double x : row) EXPECT_FALSE(std::isinf(x));
}

TEST(ScaleFactors, GroupsNotLinkedToTheFirstZone) {
    // Zones 0-1 and 2-3 compare only within their group.
    PairTable t(4);
    t.at(0, 1) = 2;
    t.at(1, 0) = 0.5;
    t.at(2, 3) = 4;
    t.at(3, 2) = 0.25;
    for (int i = 0; i < 4; ++i) t.at(i, i) = 1;
    const FactorSolution f = solve_factors(t, kPivot);
    EXPECT_NEAR(f.factors[1], 0.5, 1e-15);
    EXPECT_NEAR(f.factors[3] / f.factors[2], 0.25, 1e-15);
    EXPECT_EQ(f.not_tied, (std::vector<int>{2, 3}));
    EXPECT_TRUE(f.kept_one.empty());
}

}  // namespace
}  // namespace ped::merge
