// The Laue group of a setting: the rotations of its point group and their products with the
// inversion, acting on Miller indices in the setting's own basis, named after gemmi's class;
// and what any Laue group does to a reflection.
#include <algorithm>

#include "merge/symmetry/laue.hpp"

namespace ped::merge {

namespace {

using gemmi::Laue;
using gemmi::Op;

// gemmi's class of a Laue group, told by its number of proper rotations and their orders.
Laue class_of(const gemmi::GroupOps& laue) {
    int proper = 0;
    bool fourfold = false, sixfold = false;
    for (const Op& op : laue.sym_ops) {
        const int type = op.rot_type();
        proper += type > 0;
        fourfold = fourfold || type == 4;
        sixfold = sixfold || type == 6;
    }
    switch (proper) {
        case 2:
            return Laue::L2m;
        case 3:
            return Laue::L3;
        case 4:
            return fourfold ? Laue::L4m : Laue::Lmmm;
        case 6:
            return sixfold ? Laue::L6m : Laue::L3m;
        case 8:
            return Laue::L4mmm;
        case 12:
            return sixfold ? Laue::L6mmm : Laue::Lm3;
        case 24:
            return Laue::Lm3m;
        default:
            return Laue::L1;
    }
}

// True when a proper rotation of order n keeps the direction `axis` (a column).
bool axis_along(const gemmi::GroupOps& laue, int n, const Op::Miller& axis) {
    return std::any_of(laue.sym_ops.begin(), laue.sym_ops.end(), [&](const Op& op) {
        for (int i = 0; i < 3; ++i)
            if (op.rot[i][0] * axis[0] + op.rot[i][1] * axis[1] + op.rot[i][2] * axis[2] !=
                Op::DEN * axis[i])
                return false;
        return op.rot_type() == n;
    });
}

// The console's symbol: 2/m with its unique axis, -3m on hexagonal axes as -3m1 or -31m.
std::string symbol_of(Laue l, const gemmi::GroupOps& laue) {
    if (l == Laue::L2m) {
        if (axis_along(laue, 2, {1, 0, 0})) return "2/m 1 1";
        if (axis_along(laue, 2, {0, 1, 0})) return "1 2/m 1";
        if (axis_along(laue, 2, {0, 0, 1})) return "1 1 2/m";
    } else if (l == Laue::L3m && axis_along(laue, 3, {0, 0, 1})) {
        if (axis_along(laue, 2, {1, 0, 0})) return "-3m1";
        if (axis_along(laue, 2, {1, -1, 0})) return "-31m";
    }
    return gemmi::laue_class_str(l);
}

// (h k l) R, in gemmi's twenty-fourths and 64 bits: no index overflows it.
Triple image24(const Op& op, long long h, long long k, long long l) {
    const Op::Rot& r = op.rot;
    return {h * r[0][0] + k * r[1][0] + l * r[2][0], h * r[0][1] + k * r[1][1] + l * r[2][1],
            h * r[0][2] + k * r[1][2] + l * r[2][2]};
}

Triple whole(Triple t) {
    for (long long& v : t) v /= Op::DEN;
    return t;
}

}  // namespace

LaueGroup laue_group(const SpaceGroupSetting& g) {
    LaueGroup laue;
    laue.ops = g.ops.derive_symmorphic();
    laue.ops.cen_ops = {{0, 0, 0}};
    laue.ops.add_inversion();
    laue.laue_class = class_of(laue.ops);
    laue.symbol = symbol_of(laue.laue_class, laue.ops);
    return laue;
}

std::vector<Triple> LaueGroup::equivalents(int h, int k, int l) const {
    std::vector<Triple> out;
    for (const Op& op : ops.sym_ops) {
        const Triple t = whole(image24(op, h, k, l));
        if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
    return out;
}

// Twenty-fourths keep the order of the indices: the largest image is found before dividing.
Triple LaueGroup::representative(int h, int k, int l) const {
    Triple best = image24(ops.sym_ops.at(0), h, k, l);
    for (const Op& op : ops.sym_ops) best = std::max(best, image24(op, h, k, l));
    return whole(best);
}

}  // namespace ped::merge
