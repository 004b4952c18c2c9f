// Symmetry reduction: each group of records equivalent under the Laue class becomes one
// reflection (plain means of I, sigI and g, the indices of the group's first record), sorted
// by g with the exchange sort (`trier`); Rint measures the spread within the groups.
#pragma once

#include <vector>

#include "common/reflection.hpp"
#include "merge/symmetry/laue.hpp"

namespace ped::merge {

struct MergeResult {
    std::vector<Reflection> merged;  // sorted by mean g
    // For each merged reflection, the positions of its records in the list, in list order.
    std::vector<std::vector<size_t>> members;
    std::vector<int> multiplicities;  // in merging order (the order of the first members)
    int redundant = 0;                // records absorbed into an earlier one
    double rint = 0;                  // 0 when there is nothing to measure
};

// Merges the assembled list: records with the same representative under the Laue group are one
// group.
MergeResult merge_equivalents(const std::vector<Reflection>& list, const LaueGroup& laue);

}  // namespace ped::merge
