// One merge run as its stages leave it, from the options to the merge: what the reports and the
// exports are written from.
#pragma once

#include <optional>
#include <vector>

#include "common/reflection.hpp"
#include "merge/pipeline/merge_options.hpp"
#include "merge/pipeline/prepare.hpp"
#include "merge/pipeline/questions.hpp"
#include "merge/pipeline/run_symmetry.hpp"
#include "merge/pipeline/scale_factors.hpp"
#include "merge/pipeline/symmetry_merge.hpp"
#include "merge/pipeline/zone_list.hpp"

namespace ped::merge {

struct MergeRun {
    MergeOptions options;
    RunParams params;  // the list, the run's parameters and the output base name
    std::vector<Zone> zones;
    // The group in the run's setting (--sg's, or the standard setting of the number), the
    // conditions the filter applies and the Laue class of the merge.
    RunSymmetry symmetry;
    std::vector<ZonePreparation> preparations;  // by zone
    ScaleFactors factors;                       // by zone, with their uncertainties
    std::vector<Reflection> scaled;             // the records of <out>.hkl, in order
    std::vector<int> zone_of;                   // the zone (from 0) of each
    std::optional<MergeResult> merge;           // none without a Laue class
    std::optional<double> wavelength;           // angstrom, when an exported file needs it

    OutputNames output_names() const { return merge::output_names(params.output); }
};

}  // namespace ped::merge
