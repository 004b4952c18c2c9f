// The twelve Laue classes the tool has always given the space-group numbers, as data. An
// operation writes each new index as one of h, k, l or i = -(h + k), with a sign; a class
// lists its base operations and how signs multiply them. Each is a linear map of the indices,
// so a class is a group of rotations like the Laue group of a setting.
#include <array>
#include <vector>

#include "merge/symmetry/laue.hpp"

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
    gemmi::Laue laue_class;
    Signs signs;
    std::vector<std::array<signed char, 3>> operations;
};

const LaueClass kClasses[] = {
    {1,
     "m-3m",
     gemmi::Laue::Lm3m,
     Signs::all,
     {{H, K, L}, {H, L, K}, {K, H, L}, {K, L, H}, {L, H, K}, {L, K, H}}},
    {2, "m-3", gemmi::Laue::Lm3, Signs::all, {{H, K, L}, {K, L, H}, {L, H, K}}},
    {3, "4/mmm", gemmi::Laue::L4mmm, Signs::all, {{H, K, L}, {K, H, L}}},
    {4, "4/m", gemmi::Laue::L4m, Signs::flip_l, {{H, K, L}, {-H, -K, L}, {-K, H, L}, {K, -H, L}}},
    {5, "mmm", gemmi::Laue::Lmmm, Signs::all, {{H, K, L}}},
    {6,
     "6/mmmm",
     gemmi::Laue::L6mmm,
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
     gemmi::Laue::L6m,
     Signs::flip_l,
     {{H, K, L}, {K, I, L}, {I, H, L}, {-H, -K, L}, {-K, -I, L}, {-I, -H, L}}},
    {8,
     "-3m1",
     gemmi::Laue::L3m,
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
    {9,
     "-31m",
     gemmi::Laue::L3m,
     Signs::invert,
     {{H, K, L}, {K, I, L}, {I, H, L}, {K, H, L}, {H, I, L}, {I, K, L}}},
    {10,
     "-3",
     gemmi::Laue::L3,
     Signs::as_listed,
     {{H, K, L}, {K, I, L}, {I, H, L}, {-H, -K, -L}, {-K, -I, -L}, {-I, -H, -L}}},
    {11,
     "2/m",
     gemmi::Laue::L2m,
     Signs::as_listed,
     {{H, K, L}, {-H, K, -L}, {H, -K, L}, {-H, -K, -L}}},
    {12, "-1", gemmi::Laue::L1, Signs::as_listed, {{H, K, L}, {-H, -K, -L}}},
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

using gemmi::Op;

// The column of the map that gives a new index as `index` of (h k l).
void set_column(Op::Rot& r, int column, signed char index) {
    const int sign = index < 0 ? -Op::DEN : Op::DEN;
    switch (index < 0 ? -index : index) {
        case H:
            r[0][column] = sign;
            break;
        case K:
            r[1][column] = sign;
            break;
        case L:
            r[2][column] = sign;
            break;
        default:
            r[0][column] = r[1][column] = -sign;  // i = -(h + k)
    }
}

// The operation with the signs of new indices changed: bit j of `flip` changes index j.
Op flipped(Op op, int flip) {
    for (int j = 0; j < 3; ++j)
        if (flip & (1 << j))
            for (auto& row : op.rot) row[j] = -row[j];
    return op;
}

// The sign changes each base operation comes with.
std::vector<int> flips(Signs signs) {
    switch (signs) {
        case Signs::flip_l:
            return {0, 4};
        case Signs::invert:
            return {0, 7};
        case Signs::all:
            return {0, 1, 2, 3, 4, 5, 6, 7};
        default:
            return {0};
    }
}

LaueGroup group_of(const LaueClass& c) {
    LaueGroup laue{c.laue_class, c.symbol, c.code, {}};
    laue.ops.cen_ops = {{0, 0, 0}};
    for (const auto& base : c.operations) {
        Op op{};
        for (int j = 0; j < 3; ++j) set_column(op.rot, j, base[j]);
        for (int flip : flips(c.signs)) {
            const Op f = flipped(op, flip);
            if (!laue.ops.find_by_rotation(f.rot)) laue.ops.sym_ops.push_back(f);
        }
    }
    return laue;
}

int laue_code(int space_group) {
    if (space_group <= 2) return 12;
    for (const GroupRange& r : kGroupClasses)
        if (space_group >= r.first && space_group <= r.last) return r.code;
    return 0;
}

}  // namespace

std::optional<LaueGroup> legacy_laue_group(int space_group) {
    const int code = laue_code(space_group);
    for (const LaueClass& c : kClasses)
        if (c.code == code) return group_of(c);
    return std::nullopt;
}

}  // namespace ped::merge
