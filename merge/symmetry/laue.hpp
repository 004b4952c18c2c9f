// The twelve Laue classes: which index triples count as the same reflection, and which class
// a space-group number belongs to (laue_table.cpp holds both as data).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ped::merge {

using Triple = std::array<long long, 3>;

// A hash of index triples, for tables keyed by reflection.
struct TripleHash {
    size_t operator()(const Triple& t) const {
        std::uint64_t x = static_cast<std::uint64_t>(t[0]) * 0x9E3779B97F4A7C15ull;
        x ^= static_cast<std::uint64_t>(t[1]) * 0xC2B2AE3D27D4EB4Full + (x >> 29);
        x ^= static_cast<std::uint64_t>(t[2]) * 0x165667B19E3779F9ull + (x >> 32);
        return static_cast<size_t>(x ^ (x >> 31));
    }
};

// The Laue class code of a space group: 1 m-3m, 2 m-3, 3 4/mmm, 4 4/m, 5 mmm, 6 6/mmm, 7 6/m,
// 8 -3m1, 9 -31m, 10 -3, 11 2/m, 12 -1; 0 for numbers of 231 and above.
int laue_code(int space_group);

// The symbol the console shows for a class code (1 to 12), after the class prefix.
const char* laue_symbol(int code);

// Every triple equivalent to (h, k, l) under the class, the identity first (1 <= code <= 12).
std::vector<Triple> equivalents(int code, int h, int k, int l);

// One representative of the class of equivalents of (h, k, l): the largest equivalent.
Triple representative(int code, int h, int k, int l);

}  // namespace ped::merge
