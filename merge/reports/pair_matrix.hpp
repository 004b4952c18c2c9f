// The zone-to-zone comparisons on intensities as the report page shows them: for each ordered
// pair, the common reflections retained, the ratio I(second)/I(first) and the verdict, found
// by the comparison the scale factors come from, on the same prepared files.
#pragma once

#include <vector>

#include "merge/pipeline/merge_run.hpp"
#include "merge/pipeline/pair_compare.hpp"
#include "merge/pipeline/session.hpp"

namespace ped::merge {

struct PairCell {
    bool compared = false;  // false when a prepared file could not be read
    int common = 0;         // retained common reflections
    double ratio = 0;       // the weighted mean of I(second)/I(first); not a number without any
    Verdict verdict = Verdict::no_good;
};

// By first zone, then second zone.
std::vector<std::vector<PairCell>> pair_matrix(const Session& s, const MergeRun& run);

}  // namespace ped::merge
