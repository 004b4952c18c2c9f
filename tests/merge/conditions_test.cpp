// Reflection conditions: every code on reflections inside and outside its zone, the lists of
// the 230 groups, and the filter pass by pass.
#include <gtest/gtest.h>

#include <sstream>

#include "harness.hpp"
#include "merge/conditions.hpp"
#include "merge/extinction.hpp"

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
}

TEST(Conditions, DivisibilityIgnoresTheSignAndNeverOverflows) {
    EXPECT_FALSE(condition_keeps(1, -3, 0, 0));
    EXPECT_TRUE(condition_keeps(13, 0, 0, -8));
    EXPECT_TRUE(condition_keeps(18, 0, 0, -12));
    EXPECT_TRUE(condition_keeps(30, 2147483647, 2147483647, 0));
    EXPECT_FALSE(condition_keeps(30, 2147483647, 2147483647, -2147483647));
}

// The lists as the tool's record gives them, a range of groups sharing one list.
const char* const kLists =
    "- Triclinic and monoclinic (1-15): 1-3: none; 4: 2; 5: 27; 6: none; 7: 5; 8: 27; 9: 27, 5; "
    "10: none; 11: 2; 12: 27; 13: 5; 14: 2, 5; 15: 27, 5.\n"
    "- Orthorhombic (16-74): 16: none; 17: 3; 18: 1, 2; 19: 1, 2, 3; 20: 27, 3; 21: 27; 22: 31; "
    "23: 30; 24: 30, 1, 2, 3; 25: none; 26: 5, 3; 27: 5, 11; 28: 4; 29: 11, 4, 3; 30: 12, 5; 31: "
    "6, 3; 32: 10, 4; 33: 12, 4, 3; 34: 12, 6; 35: 27; 36: 27, 5, 3; 37: 27, 11, 5; 38: 28; 39: "
    "28, 10, 11; 40: 28, 4; 41: 28, 10, 11, 4; 42: 31; 43: 31, 33, 34, 10, 11, 4, 5, 7, 8; 44: 30; "
    "45: 30, 10, 4; 46: 30, 4; 47: none; 48: 6, 9, 12; 49: 11, 6; 50: 10, 4, 9; 51: 7; 52: 6, 12, "
    "7; 53: 6, 12; 54: 11, 6, 7; 55: 10, 4; 56: 5, 11; 57: 10, 5; 58: 12, 6; 59: 9; 60: 10, 5, 9; "
    "61: 10, 5, 7; 62: 12, 7; 63: 27, 5; 64: 27, 5, 7, 8; 65: 27; 66: 27, 11, 5; 67: 27, 8, 7; 68: "
    "27, 11, 5, 7, 8; 69: 31; 70: 31, 22, 10, 11, 4, 5, 7, 8; 71: 30; 72: 30, 10, 4; 73: 30, 10, "
    "5, 7; 74: 30, 7.\n"
    "- Tetragonal (75-142): 75: none; 76: 13; 77: 3; 78: 13; 79: 30; 80: 30, 13; 81: none; 82: 30; "
    "83: none; 84: 3; 85: 9; 86: 9, 3; 87: 30; 88: 30, 13, 4; 89: none; 90: 1, 2; 91: 13; 92: 1, "
    "13, 2; 93: 3; 94: 1, 3, 2; 95: 13; 96: 1, 13, 2; 97: 30; 98: 13, 30; 99: none; 100: 4, 10; "
    "101: 5, 11; 102: 6, 12; 103: 14, 5, 11; 104: 14, 6, 12; 105: 14; 106: 14, 4, 10; 107: 30; "
    "108: 30, 4, 10; 109: 30, 16; 110: 30, 16, 4, 10; 111: none; 112: 14; 113: 1, 2; 114: 1, 2, "
    "14; 115: none; 116-117: 1, 2; 118: 4, 10; 119: 30; 120: 30, 1, 2; 121: 30; 122: 30, 16; 123: "
    "none; 124: 14, 5, 11; 125: 9, 4, 10; 126: 14, 9, 6, 12; 127: 4, 10; 128: 14, 6, 12; 129: 9; "
    "130: 14, 9, 5, 11; 131: 14; 132: 4, 10; 133: 14, 9, 4, 10; 134: 9, 6, 12; 135: 14, 4, 10; "
    "136: 6, 12; 137: 14, 9; 138: 9, 5, 11; 139: 30; 140: 30, 4, 10; 141: 16, 7, 30; 142: 30, 16, "
    "7, 4, 10.\n"
    "- Trigonal (143-167): 143: none; 144-145: 17; 146: 32; 147: none; 148: 32; 149-150: none; "
    "151-154: 17; 155: 32; 156-157: none; 158: 19; 159: 20; 160: 32; 161: 32, 36; 162: none; 163: "
    "20; 164: none; 165: 19; 166: 32; 167: 32, 36.\n"
    "- Hexagonal (168-194): 168: none; 169-170: 18; 171-172: 17; 173: 3; 174-175: none; 176: 3; "
    "177: none; 178-179: 18; 180-181: 17; 182: 3; 183: none; 184: 19, 20; 185: 19; 186: 20; 187: "
    "none; 188: 19; 189: none; 190: 20; 191: none; 192: 19, 20; 193: 19; 194: 20.\n"
    "- Cubic (195-230): 195: none; 196: 31, 4, 5, 7, 8, 10, 11; 197: 30; 198: 1, 2, 3; 199: 30; "
    "200: none; 201: 6, 9, 12; 202: 31, 4, 5, 7, 8, 10, 11; 203: 31, 22; 204: 30; 205: 7, 5, 10; "
    "206: 30, 7, 5, 10, 4, 8, 11; 207: none; 208: 1, 2, 3; 209: 31; 210: 31, 14; 211: 30; 212-213: "
    "14; 214: 30, 14; 215: none; 216: 31; 217: 30; 218: 21; 219: 31, 25, 4, 5, 7, 8, 10, 11; 220: "
    "30, 26; 221: none; 222: 21, 6, 9, 12; 223: 21; 224: 6, 9, 12; 225: 31; 226: 31, 25; 227: 31, "
    "22; 228: 31, 22, 23; 229: 30; 230: 30, 26, 25.\n";

std::vector<std::vector<int>> lists_from_text() {
    std::vector<std::vector<int>> lists(231);
    std::istringstream text(kLists);
    std::string line;
    while (std::getline(text, line)) {
        std::string body = line.substr(line.find("): ") + 3);
        body.pop_back();  // the final '.'
        size_t start = 0;
        while (start < body.size()) {
            size_t end = body.find("; ", start);
            if (end == std::string::npos) end = body.size();
            const std::string part = body.substr(start, end - start);
            const size_t colon = part.find(": ");
            const std::string groups = part.substr(0, colon), codes = part.substr(colon + 2);
            const size_t dash = groups.find('-');
            const int first = std::stoi(groups.substr(0, dash));
            const int last = dash == std::string::npos ? first : std::stoi(groups.substr(dash + 1));
            std::vector<int> list;
            if (codes != "none") {
                std::istringstream c(codes);
                std::string code;
                while (std::getline(c, code, ',')) list.push_back(std::stoi(code));
            }
            for (int g = first; g <= last; ++g) lists[g] = list;
            start = end + 2;
        }
    }
    return lists;
}

TEST(Conditions, TheListsOfAllGroups) {
    const std::vector<std::vector<int>> expected = lists_from_text();
    for (int g = 1; g <= 230; ++g) EXPECT_EQ(condition_codes(g), expected[g]) << "group " << g;
    for (int g : {-5, 0, 231, 300}) EXPECT_TRUE(condition_codes(g).empty()) << g;
    // Codes 15, 24, 29 and 35 are in no list.
    for (int g = 1; g <= 230; ++g)
        for (int code : condition_codes(g)) {
            EXPECT_TRUE(code != 15 && code != 24 && code != 29 && code != 35) << g;
            EXPECT_TRUE(code >= 1 && code <= kConditionCodes) << g;
        }
}

ZoneRecord rec(int h, int k, int l) {
    ZoneRecord r;
    r.h = h;
    r.k = k;
    r.l = l;
    r.v[0] = 10;
    return r;
}

std::string indices(const std::vector<ZoneRecord>& rs) {
    std::string s;
    for (const ZoneRecord& r : rs)
        s += std::to_string(r.h) + std::to_string(r.k) + std::to_string(r.l) + " ";
    return s;
}

// Runs the filter; returns the kept indices, and the echoed lines' indices in `echoed`.
std::string filter(int group, const std::vector<ZoneRecord>& in, std::string& echoed,
                   const char* trace = nullptr) {
    test::FakeTerminal t;
    const std::vector<ZoneRecord> kept =
        filter_extinctions(in, legacy_symmetry(group).conditions, t.term().out, trace);
    echoed.clear();
    for (const std::string& line : test::lines_of(t.out())) {
        if (line.rfind("cond", 0) == 0) {
            echoed += line + "|";
            continue;
        }
        std::istringstream s(line);
        int h, k, l;
        s >> h >> k >> l;
        echoed += std::to_string(h) + std::to_string(k) + std::to_string(l) + " ";
    }
    return indices(kept);
}

TEST(Extinction, Group14RemovesPassByPass) {
    std::string echoed;
    const std::string kept = filter(
        14, {rec(0, 1, 0), rec(0, 2, 0), rec(1, 0, 1), rec(0, 0, 1), rec(1, 0, 0), rec(1, 1, 1)},
        echoed);
    EXPECT_EQ(echoed, "010 101 001 ");
    EXPECT_EQ(kept, "020 100 111 ");
}

TEST(Extinction, ExamplesOfGroups18_76_186_161_227) {
    std::string echoed;
    EXPECT_EQ(filter(18, {rec(-1, 0, 0), rec(-2, 0, 0)}, echoed), "-200 ");
    EXPECT_EQ(filter(76, {rec(0, 0, -4), rec(0, 0, -2)}, echoed), "00-4 ");
    EXPECT_EQ(filter(186,
                     {rec(1, 1, 1), rec(1, -2, 1), rec(-2, 1, 1), rec(1, -1, 1), rec(1, 0, 1),
                      rec(1, 1, 2)},
                     echoed),
              "1-11 101 112 ");
    EXPECT_EQ(filter(161, {rec(0, 0, 3), rec(0, 0, 6), rec(1, -1, 5), rec(1, -1, 2), rec(1, 0, 0)},
                     echoed),
              "006 1-12 ");
    EXPECT_EQ(echoed, "100 003 1-15 ");  // code 32 pass first, then code 36
    EXPECT_EQ(filter(227,
                     {rec(1, 1, 0), rec(2, 0, 0), rec(0, 2, 0), rec(4, 0, 0), rec(0, 2, 2),
                      rec(0, 2, 6), rec(1, 1, 1)},
                     echoed),
              "400 022 026 111 ");
    EXPECT_EQ(echoed, "110 200 020 ");
}

TEST(Extinction, GroupWithoutConditionsOrOutOfRangeKeepsAll) {
    std::string echoed;
    for (int group : {1, 2, 0, 231, -4}) {
        EXPECT_EQ(filter(group, {rec(1, 0, 0), rec(0, 0, 1)}, echoed), "100 001 ");
        EXPECT_EQ(echoed, "");
    }
}

TEST(Extinction, TraceNamesEveryCodeAndTheClosingZero) {
    std::string echoed;
    filter(14, {rec(0, 1, 0)}, echoed, "cond vaut : %d\n");
    EXPECT_EQ(echoed, "cond vaut : 2|010 cond vaut : 5|cond vaut : 0|");
    filter(1, {rec(0, 1, 0)}, echoed, "cond vaut : %d\n");
    EXPECT_EQ(echoed, "cond vaut : 0|");
}

TEST(Extinction, RemovedRecordsAreEchoedInTheZoneLayout) {
    ZoneRecord r = rec(0, 1, 0);
    r.v[1] = 1234.5678;
    r.v[4] = 0.123456789;
    test::FakeTerminal t;
    filter_extinctions({through_zone_layout(r)}, legacy_symmetry(4).conditions, t.term().out,
                       nullptr);
    EXPECT_EQ(t.out(),
              "   0   1   0          10.00        1234.57           0.00           0.00"
              "     0.12345679     0.00000000      0.00      0.00\n");
}

}  // namespace
}  // namespace ped::merge
