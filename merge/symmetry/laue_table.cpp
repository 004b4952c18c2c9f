// Laue classes as data. An operation writes each new index as one of h, k, l or i = -(h + k),
// with a sign; a class lists its base operations and how signs multiply them.
#include "merge/symmetry/laue.hpp"

#include <algorithm>

namespace ped::merge {

namespace {

enum Index : signed char { H = 1, K = 2, L = 3, I = 4 };

enum class Signs {
    as_listed,  // the operations as listed
    flip_l,     // each operation with l and with -l
    all,        // each operation with every combination of signs of its three indices
    invert,     // each operation and its negation of all three indices
};

struct LaueClass {
    int code;
    const char* symbol;
    Signs signs;
    std::vector<std::array<signed char, 3>> operations;
};

const LaueClass kClasses[] = {
    {1, "m-3m", Signs::all, {{H, K, L}, {H, L, K}, {K, H, L}, {K, L, H}, {L, H, K}, {L, K, H}}},
    {2, "m-3", Signs::all, {{H, K, L}, {K, L, H}, {L, H, K}}},
    {3, "4/mmm", Signs::all, {{H, K, L}, {K, H, L}}},
    {4, "4/m", Signs::flip_l, {{H, K, L}, {-H, -K, L}, {-K, H, L}, {K, -H, L}}},
    {5, "mmm", Signs::all, {{H, K, L}}},
    {6,
     "6/mmmm",
     Signs::flip_l,
     {{H, K, L},
      {K, I, L},
      {I, H, L},
      {-H, -K, L},
      {-K, -I, L},
      {-I, -H, L},
      {K, H, L},
      {H, I, L},
      {I, K, L},
      {-K, -H, L},
      {-H, -I, L},
      {-I, -K, L}}},
    {7,
     "6/m",
     Signs::flip_l,
     {{H, K, L}, {K, I, L}, {I, H, L}, {-H, -K, L}, {-K, -I, L}, {-I, -H, L}}},
    {8,
     "-3m1",
     Signs::as_listed,
     {{H, K, L},
      {K, I, L},
      {I, H, L},
      {-K, -H, L},
      {-H, -I, L},
      {-I, -K, L},
      {-H, -K, -L},
      {-K, -I, -L},
      {-I, -H, -L},
      {K, H, -L},
      {H, I, -L},
      {I, K, -L}}},
    {9, "-31m", Signs::invert, {{H, K, L}, {K, I, L}, {I, H, L}, {K, H, L}, {H, I, L}, {I, K, L}}},
    {10,
     "-3",
     Signs::as_listed,
     {{H, K, L}, {K, I, L}, {I, H, L}, {-H, -K, -L}, {-K, -I, -L}, {-I, -H, -L}}},
    {11, "2/m", Signs::as_listed, {{H, K, L}, {-H, K, -L}, {H, -K, L}, {-H, -K, -L}}},
    {12, "-1", Signs::as_listed, {{H, K, L}, {-H, -K, -L}}},
};

// Space groups by Laue class: from `first` to `last`, class `code`.
struct GroupRange {
    int first, last, code;
};

const GroupRange kGroupClasses[] = {
    {3, 15, 11},   {16, 74, 5},   {75, 88, 4},   {89, 142, 3},  {143, 148, 10}, {149, 149, 9},
    {150, 150, 8}, {151, 151, 9}, {152, 152, 8}, {153, 153, 9}, {154, 156, 8},  {157, 157, 9},
    {158, 158, 8}, {159, 159, 9}, {160, 161, 8}, {162, 163, 9}, {164, 167, 8},  {168, 176, 7},
    {177, 194, 6}, {195, 206, 2}, {207, 230, 1},
};

long long pick(signed char op, const Triple& hkl) {
    const long long i = -(hkl[0] + hkl[1]);
    const long long v = op == H || op == -H   ? hkl[0]
                        : op == K || op == -K ? hkl[1]
                        : op == L || op == -L ? hkl[2]
                                              : i;
    return op < 0 ? -v : v;
}

}  // namespace

int laue_code(int space_group) {
    if (space_group <= 2) return 12;
    for (const GroupRange& r : kGroupClasses)
        if (space_group >= r.first && space_group <= r.last) return r.code;
    return 0;
}

const char* laue_symbol(int code) {
    for (const LaueClass& c : kClasses)
        if (c.code == code) return c.symbol;
    return "";
}

std::vector<Triple> equivalents(int code, int h, int k, int l) {
    const Triple hkl{h, k, l};
    std::vector<Triple> out;
    for (const LaueClass& c : kClasses) {
        if (c.code != code) continue;
        for (const auto& op : c.operations) {
            const Triple t{pick(op[0], hkl), pick(op[1], hkl), pick(op[2], hkl)};
            switch (c.signs) {
                case Signs::as_listed:
                    out.push_back(t);
                    break;
                case Signs::flip_l:
                    out.push_back(t);
                    out.push_back({t[0], t[1], -t[2]});
                    break;
                case Signs::invert:
                    out.push_back(t);
                    out.push_back({-t[0], -t[1], -t[2]});
                    break;
                case Signs::all:
                    for (int m = 0; m < 8; ++m)
                        out.push_back(
                            {m & 1 ? -t[0] : t[0], m & 2 ? -t[1] : t[1], m & 4 ? -t[2] : t[2]});
                    break;
            }
        }
    }
    return out;
}

Triple representative(int code, int h, int k, int l) {
    const std::vector<Triple> all = equivalents(code, h, k, l);
    return *std::max_element(all.begin(), all.end());
}

}  // namespace ped::merge
