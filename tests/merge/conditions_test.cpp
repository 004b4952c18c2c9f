// Reflection conditions: every code on reflections inside and outside its zone, and the lists
// of the groups. The filter's passes are checked in absences_test.cpp, its trace by the stored
// cases condition_trace and sg_monoclinic_setting.
#include <gtest/gtest.h>

#include <climits>

#include "merge/symmetry/conditions.hpp"

namespace ped::merge {
namespace {

struct Case {
    int code, h, k, l;
    bool kept;
};

// For each code: a reflection of its zone that passes, one that fails, one outside the zone.
const Case kCases[] = {
    {1, 2, 0, 0, true},    {1, -1, 0, 0, false},  {1, 1, 1, 0, true},    {2, 0, -2, 0, true},
    {2, 0, 3, 0, false},   {2, 1, 3, 0, true},    {3, 0, 0, 4, true},    {3, 0, 0, -3, false},
    {3, 1, 0, 3, true},    {4, 2, 0, 1, true},    {4, 1, 0, 2, false},   {4, 1, 1, 2, true},
    {5, 1, 0, 2, true},    {5, 2, 0, 1, false},   {5, 2, 1, 1, true},    {6, 1, 0, 1, true},
    {6, 1, 0, 2, false},   {6, 1, 1, 2, true},    {7, 2, 1, 0, true},    {7, 1, 2, 0, false},
    {7, 1, 2, 1, true},    {8, 1, 2, 0, true},    {8, 2, 1, 0, false},   {8, 2, 1, 1, true},
    {9, 1, 1, 0, true},    {9, 1, 2, 0, false},   {9, 1, 2, 1, true},    {10, 0, 2, 1, true},
    {10, 0, 1, 2, false},  {10, 1, 1, 2, true},   {11, 0, 1, 2, true},   {11, 0, 2, 1, false},
    {11, 1, 2, 1, true},   {12, 0, 1, 1, true},   {12, 0, 1, 2, false},  {12, 1, 1, 2, true},
    {13, 0, 0, -4, true},  {13, 0, 0, -2, false}, {13, 1, 0, 2, true},   {14, 0, 0, 2, true},
    {14, 0, 0, 1, false},  {14, 0, 1, 1, true},   {15, 2, -2, 0, true},  {15, 1, -1, 0, false},
    {15, 1, 1, 0, true},   {16, 1, 1, 2, true},   {16, 1, -1, 1, false}, {16, 1, 2, 1, true},
    {17, 0, 0, 6, true},   {17, 0, 0, 4, false},  {17, 1, 0, 4, true},   {18, 0, 0, -6, true},
    {18, 0, 0, 3, false},  {18, 1, 0, 3, true},   {19, 1, -1, 2, true},  {19, 0, 2, 1, false},
    {19, 1, 1, 1, true},   {20, 1, -2, 2, true},  {20, -2, 1, 1, false}, {20, 1, -1, 1, true},
    {21, 1, 1, 2, true},   {21, 1, 3, 1, false},  {21, 1, 2, 3, true},   {21, 3, 1, 1, false},
    {21, -1, 1, 3, false}, {22, 0, 1, 3, true},   {22, 2, 0, 0, false},  {22, 1, 1, 1, true},
    {22, 0, 0, 2, false},  {22, 1, 1, 0, false},  {23, 1, 1, 1, true},   {23, 1, 1, 2, false},
    {23, 1, 2, 3, true},   {23, 1, 3, 1, true},   {23, 2, 1, 1, false},  {24, 4, 0, 0, true},
    {24, 0, 2, 0, false},  {24, 0, 2, 2, true},   {24, 0, 0, -6, false}, {25, 2, 2, 1, true},
    {25, 1, 1, 2, false},  {25, 1, 2, 3, true},   {25, 2, 1, 2, true},   {25, 1, 3, 3, false},
    {26, 1, 1, 2, true},   {26, 1, 1, 1, false},  {26, 1, 2, 3, true},   {26, 1, 2, 1, true},
    {26, 1, 2, 2, false},  {27, 1, 1, 5, true},   {27, 1, 2, 2, false},  {28, 5, 1, 1, true},
    {28, 1, 1, 2, false},  {29, 1, 5, 1, true},   {29, 1, 1, 2, false},  {30, 1, 1, 2, true},
    {30, 1, 1, 1, false},  {31, 1, 1, 1, true},   {31, 2, 0, 0, true},   {31, 1, 1, 0, false},
    {32, 1, 0, 1, true},   {32, -1, 1, 0, false}, {32, 1, 0, 0, false},  {33, 0, 1, 3, true},
    {33, 0, 1, 1, false},  {33, 1, 1, 1, true},   {34, 1, 0, -5, true},  {34, 1, 0, 1, false},
    {34, 1, 1, 1, true},   {35, 3, 1, 0, true},   {35, 1, 1, 0, false},  {35, 1, 1, 1, true},
    {36, 0, 1, 2, true},   {36, 0, 1, 1, false},  {36, 1, 0, 4, true},   {36, 1, 0, 1, false},
    {36, 1, -1, 2, true},  {36, 1, -1, 5, false}, {36, 0, 0, 6, true},   {36, 0, 0, 3, false},
    {36, 1, 1, 1, true},
};

TEST(Conditions, EveryCodeInsideAndOutsideItsZone) {
    bool seen[kConditionCodes + 1] = {};
    for (const Case& c : kCases) {
        EXPECT_EQ(condition_keeps(c.code, c.h, c.k, c.l), c.kept)
            << "code " << c.code << " on " << c.h << " " << c.k << " " << c.l;
        seen[c.code] = true;
    }
    for (int code = 1; code <= kConditionCodes; ++code) EXPECT_TRUE(seen[code]) << code;
    // Sums in 64 bits: no index overflows them.
    EXPECT_TRUE(condition_keeps(30, INT_MAX, INT_MAX, 0));
    EXPECT_FALSE(condition_keeps(30, INT_MAX, INT_MAX, -INT_MAX));
}

// The lists themselves are checked against the International Tables in symmetry_test.cpp: they
// remove exactly the systematic absences of every group but thirty. Here, their shape and a few
// lists of each crystal family as the tool has always had them.
TEST(Conditions, ListsOfTheGroups) {
    const std::pair<int, std::vector<int>> spots[] = {
        {1, {}},         {14, {2, 5}},      {43, {31, 33, 34, 10, 11, 4, 5, 7, 8}},
        {49, {11, 6}},   {88, {30, 13, 4}}, {141, {16, 7, 30}},
        {161, {32, 36}}, {186, {20}},       {230, {30, 26, 25}},
    };
    for (const auto& [group, codes] : spots) EXPECT_EQ(condition_codes(group), codes) << group;
    for (int g : {-5, 0, 231, 300}) EXPECT_TRUE(condition_codes(g).empty()) << g;
    // Texts: four indices for the hexagonal numbers only, none outside the catalogue.
    EXPECT_EQ(condition_text(3, 173), "000l: l = 2n");
    EXPECT_EQ(condition_text(3, 19), "00l: l = 2n");
    EXPECT_EQ(condition_text(37, 1), "");
    for (int g = 1; g <= 230; ++g)
        for (int code : condition_codes(g)) {
            EXPECT_TRUE(code != 15 && code != 24 && code != 29 && code != 35) << g;
            EXPECT_TRUE(code >= 1 && code <= kConditionCodes) << g;
        }
}

}  // namespace
}  // namespace ped::merge
