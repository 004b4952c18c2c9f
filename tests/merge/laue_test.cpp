// Laue classes: the class of every space-group number and the equivalence rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <utility>

#include "merge/laue.hpp"

namespace ped::merge {
namespace {

// symmetry_test.cpp checks the class of every number from 1 to 230 against the Laue class of
// the group; here, the numbers at the edges of the ranges and outside 1 to 230.
TEST(Laue, ClassesAtTheEdgesOfTheirRanges) {
    const std::pair<int, int> spots[] = {
        {-3, 12}, {0, 12},  {2, 12},   {3, 11},  {15, 11}, {16, 5},  {74, 5},  {75, 4},  {88, 4},
        {89, 3},  {142, 3}, {148, 10}, {149, 9}, {150, 8}, {162, 9}, {164, 8}, {167, 8}, {168, 7},
        {176, 7}, {177, 6}, {194, 6},  {195, 2}, {206, 2}, {207, 1}, {230, 1}, {231, 0}, {300, 0}};
    for (const auto& [number, code] : spots) EXPECT_EQ(laue_code(number), code) << number;
}

TEST(Laue, SymbolsAsTheConsoleShowsThem) {
    const char* want[] = {"",    "m-3m", "m-3",  "4/mmm", "4/m", "mmm", "6/mmmm",
                          "6/m", "-3m1", "-31m", "-3",    "2/m", "-1"};
    for (int code = 0; code <= 12; ++code) EXPECT_STREQ(laue_symbol(code), want[code]) << code;
}

bool same(int code, Triple a, Triple b) {
    const auto eq = equivalents(code, int(a[0]), int(a[1]), int(a[2]));
    return std::find(eq.begin(), eq.end(), b) != eq.end();
}

TEST(Laue, EquivalenceExamples) {
    EXPECT_TRUE(same(5, {1, 2, 3}, {-1, 2, -3}));
    EXPECT_FALSE(same(5, {1, 2, 3}, {2, 1, 3}));
    for (Triple t : {Triple{-2, 1, 3}, Triple{2, -1, -3}}) EXPECT_TRUE(same(4, {1, 2, 3}, t));
    EXPECT_FALSE(same(4, {1, 2, 3}, {2, 1, 3}));
    for (Triple t : {Triple{-2, 1, 3}, Triple{2, -1, -3}, Triple{2, 1, 3}})
        EXPECT_TRUE(same(3, {1, 2, 3}, t));
    EXPECT_TRUE(same(8, {1, 2, 3}, {2, -3, 3}));
    EXPECT_TRUE(same(8, {1, 2, 3}, {2, 1, -3}));
    EXPECT_FALSE(same(8, {1, 2, 3}, {2, 1, 3}));
    EXPECT_TRUE(same(9, {1, 2, 3}, {2, 1, 3}));
    EXPECT_FALSE(same(9, {1, 2, 3}, {2, 1, -3}));
    EXPECT_TRUE(same(11, {1, 2, 3}, {1, -2, 3}));
    EXPECT_TRUE(same(11, {1, 2, 3}, {-1, 2, -3}));
    EXPECT_FALSE(same(11, {1, 2, 3}, {-1, 2, 3}));
    EXPECT_TRUE(same(12, {1, 2, 3}, {-1, -2, -3}));
    EXPECT_FALSE(same(12, {1, 2, 3}, {1, 2, -3}));
}

TEST(Laue, EachClassIsAGroupOfTheRightOrder) {
    const size_t order[] = {0, 48, 24, 16, 8, 8, 24, 12, 12, 12, 6, 4, 2};
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> index(-9, 9);
    for (int code = 1; code <= 12; ++code) {
        // A general reflection has as many distinct equivalents as the class has operations.
        const auto eq = equivalents(code, 1, 2, 7);
        EXPECT_EQ(std::set<Triple>(eq.begin(), eq.end()).size(), order[code]) << code;
        EXPECT_EQ(eq.front(), (Triple{1, 2, 7}));
        // Equivalence is an equivalence: every member has the same class, the same representative.
        for (int trial = 0; trial < 200; ++trial) {
            const int h = index(rng), k = index(rng), l = index(rng);
            const auto members = equivalents(code, h, k, l);
            const std::set<Triple> orbit(members.begin(), members.end());
            for (const Triple& m : orbit) {
                const auto again = equivalents(code, int(m[0]), int(m[1]), int(m[2]));
                EXPECT_EQ(std::set<Triple>(again.begin(), again.end()), orbit) << code;
                EXPECT_EQ(representative(code, int(m[0]), int(m[1]), int(m[2])),
                          representative(code, h, k, l));
            }
        }
    }
}

}  // namespace
}  // namespace ped::merge
