// The Laue group that merges equivalents, one model for both of its sources: the Laue group of
// a setting (its rotations and their products with the inversion, laue_group.cpp) and the
// twelve classes the tool has always given a space-group number (laue_table.cpp), whose
// equivalence rules are linear maps of the indices as well (the hexagonal i = -(h + k) ones
// included).
#pragma once

#include <gemmi/symmetry.hpp>

#include <optional>
#include <string>
#include <vector>

#include "merge/symmetry/space_group.hpp"
#include "merge/symmetry/triple.hpp"

namespace ped::merge {

struct LaueGroup {
    gemmi::Laue laue_class = gemmi::Laue::L1;
    // As the console shows it: a setting's -3m split into -3m1 and -31m on hexagonal axes and
    // its 2/m written with the axis ("1 2/m 1", "1 1 2/m", "2/m 1 1"); the legacy classes as
    // they always read ("6/mmmm", "2/m").
    std::string symbol;
    // The legacy class: 1 m-3m, 2 m-3, 3 4/mmm, 4 4/m, 5 mmm, 6 6/mmm, 7 6/m, 8 -3m1, 9 -31m,
    // 10 -3, 11 2/m, 12 -1; 0 for the group of a setting.
    int code = 0;
    // Rotations without translations or centring, identity first, acting on (h k l) as a row.
    gemmi::GroupOps ops;

    // The distinct reflections equivalent to (h k l), itself first.
    std::vector<Triple> equivalents(int h, int k, int l) const;
    // The largest of them: one reflection that stands for the whole class.
    Triple representative(int h, int k, int l) const;
};

LaueGroup laue_group(const SpaceGroupSetting& group);

// The tool's own class of a space-group number: -1 up to 2 (0 and below included, as ever),
// none for 231 and above.
std::optional<LaueGroup> legacy_laue_group(int space_group);

}  // namespace ped::merge
