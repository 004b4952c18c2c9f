// The Laue group of a setting: the rotations of its point group and their products with the
// inversion, acting on Miller indices in the setting's own basis, named after gemmi's class.
#include <gemmi/symmetry.hpp>

#include <algorithm>

#include "merge/symmetry/integer_matrix.hpp"
#include "merge/symmetry/symmetry.hpp"

namespace ped::merge {

using namespace intmat;

LaueGroup laue_group(const SpaceGroupSetting& g) {
    LaueGroup laue;
    laue.operations = g.rotations;
    for (const IntMatrix& m : g.rotations) {
        const IntMatrix n = negated(m);
        if (std::find(laue.operations.begin(), laue.operations.end(), n) == laue.operations.end())
            laue.operations.push_back(n);
    }
    int proper = 0, fourfold = 0, sixfold = 0;
    for (const IntMatrix& m : laue.operations) {
        if (determinant(m) != 1) continue;
        ++proper;
        fourfold += order_of(m) == 4;
        sixfold += order_of(m) == 6;
    }
    gemmi::Laue l = gemmi::Laue::L1;
    switch (proper) {
        case 2:
            l = gemmi::Laue::L2m;
            break;
        case 3:
            l = gemmi::Laue::L3;
            break;
        case 4:
            l = fourfold ? gemmi::Laue::L4m : gemmi::Laue::Lmmm;
            break;
        case 6:
            l = sixfold ? gemmi::Laue::L6m : gemmi::Laue::L3m;
            break;
        case 8:
            l = gemmi::Laue::L4mmm;
            break;
        case 12:
            l = sixfold ? gemmi::Laue::L6mmm : gemmi::Laue::Lm3;
            break;
        case 24:
            l = gemmi::Laue::Lm3m;
            break;
        default:
            break;
    }
    laue.class_name = gemmi::laue_class_str(l);
    laue.symbol = laue.class_name;
    // The direction of an axis of order n: the column a proper operation of order n keeps.
    const auto axis_along = [&laue](int n, const IntRow& axis) {
        for (const IntMatrix& m : laue.operations)
            if (determinant(m) == 1 && order_of(m) == n && times_column(m, axis) == axis)
                return true;
        return false;
    };
    if (l == gemmi::Laue::L2m) {
        if (axis_along(2, {1, 0, 0}))
            laue.symbol = "2/m 1 1";
        else if (axis_along(2, {0, 1, 0}))
            laue.symbol = "1 2/m 1";
        else if (axis_along(2, {0, 0, 1}))
            laue.symbol = "1 1 2/m";
    } else if (l == gemmi::Laue::L3m && axis_along(3, {0, 0, 1})) {
        if (axis_along(2, {1, 0, 0}))
            laue.symbol = "-3m1";
        else if (axis_along(2, {1, -1, 0}))
            laue.symbol = "-31m";
    }
    return laue;
}

std::vector<Triple> equivalents(const LaueGroup& laue, int h, int k, int l) {
    std::vector<Triple> out;
    for (const IntMatrix& m : laue.operations) {
        const Triple t = row_times(h, k, l, m);
        if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
    return out;
}

Triple representative(const LaueGroup& laue, int h, int k, int l) {
    Triple best = row_times(h, k, l, laue.operations.at(0));
    for (const IntMatrix& m : laue.operations) best = std::max(best, row_times(h, k, l, m));
    return best;
}

}  // namespace ped::merge
