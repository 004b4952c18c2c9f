// A reflection's indices as the merge keys its tables by them: 64-bit, so that no negation or
// sum of the indices a record can hold overflows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ped::merge {

using Triple = std::array<long long, 3>;

struct TripleHash {
    size_t operator()(const Triple& t) const {
        std::uint64_t x = static_cast<std::uint64_t>(t[0]) * 0x9E3779B97F4A7C15ull;
        x ^= static_cast<std::uint64_t>(t[1]) * 0xC2B2AE3D27D4EB4Full + (x >> 29);
        x ^= static_cast<std::uint64_t>(t[2]) * 0x165667B19E3779F9ull + (x >> 32);
        return static_cast<size_t>(x ^ (x >> 31));
    }
};

}  // namespace ped::merge
